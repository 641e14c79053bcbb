// The headless front end: its command line and its batch work;
// options_test.cpp runs orvexal-calc itself.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/batch.h"
#include "cli/command_line.h"
#include "data/constellation_file.h"

namespace orvexal {
namespace {

using Strings = std::vector<std::string>;

Strings Split(const std::string& text, char separator)
{
    Strings parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

TEST(CommandLine, OptionsTypeTheFields)
{
    const CommandLine line = ParseCommandLine({"--zone", "-0.5", "--date", "2024.0701", "--time", "15", "--now",
                                               "2026-12-05 12:48:49Z", "--constellations", "C.dat"});
    EXPECT_EQ(line.typed, (std::map<Field, std::string>{
                              {Field::TimeZone, "-0.5"}, {Field::Date, "2024.0701"}, {Field::Time, "15"}}));
    EXPECT_TRUE(!line.batch && !line.help && line.constellationFile == "C.dat");
    EXPECT_EQ(std::tie(line.now->year, line.now->month, line.now->day, line.now->hour, line.now->second),
              std::tuple(2026, 12, 5, 12, 49));
    const Strings wrong[] = {{"--colour", "red"}, {"--zone"}, {"--now", "2026-12-05"},
                             {"--now", "2024-02-30 04:48:49"}, {"--now", "2026-12-05 24:00:00"}};
    for (const Strings& args : wrong) {
        EXPECT_THROW(ParseCommandLine(args), std::invalid_argument) << args.back();
    }
}

// Output that counts its flushes.
struct FlushCounter : std::stringbuf {
    int flushes = 0;
    int sync() override { return ++flushes, 0; }
};

// Input that holds one line at a time, as a pipe from a program that waits
// for each answer before it writes the next line.
struct OneLineAtATime : std::streambuf {
    explicit OneLineAtATime(const std::string& text) : lines(Split(text, '\n')) {}
    int_type underflow() override
    {
        if (next == lines.size()) {
            return traits_type::eof();
        }
        line = lines[next++] + "\n";
        setg(line.data(), line.data(), line.data() + line.size());
        return traits_type::to_int_type(line[0]);
    }
    Strings lines;
    std::size_t next = 0;
    std::string line;
};

// Each answer reaches a reader that waits for it before the next line is
// read; the lines that did not end "ok" are counted.
TEST(RunBatch, OneAnswerLinePerInputLine)
{
    OneLineAtATime input("122.50514\t53.45289\t8\t0\t17.5557\t11.11111\t22.22222\t2000.0\t2000.0\t-10\n"
                         "1\t2\t3\n"
                         "0\t1e400\t0\t2000.0101\t0\t0\t0\t2000\t2000\t-10\r\n"
                         "\t\t\t\t\t\t\t\t\t\n");  // an empty text reads as 0; date 0 takes the clock's
    std::istream in(&input);
    FlushCounter answers;
    std::ostream out(&answers);
    std::ostringstream err;
    AppState state;
    ASSERT_TRUE(LoadConstellationFile(ORVEXAL_SHARE_DIR "/Constell.dat", state.constellations));
    EXPECT_EQ(RunBatch(in, out, err, state, [] { return DateTime{2026, 12, 5, 12, 48, 49}; }), 2);
    const Strings lines = Split(answers.str(), '\n');
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(answers.flushes, 4);
    const Strings designed = Split(lines[0], '\t');
    ASSERT_EQ(designed.size(), 27u);
    EXPECT_EQ((Strings{designed[0], designed[3], designed[18], designed[25], designed[26]}),
              (Strings{"122.50514", "2026.1205", "Leo", "-10", "ok"}));
    EXPECT_EQ(lines[1], "error");
    EXPECT_NE(err.str().find("line 2"), std::string::npos);
    const Strings fault = Split(lines[2], '\t');  // a fault keeps the texts written before it
    ASSERT_EQ(fault.size(), 27u);
    EXPECT_EQ((Strings{fault[0], fault[1], fault[11], fault[26]}), (Strings{"0", "1e400", "0", "overflow"}));
    const Strings empty = Split(lines[3], '\t');
    ASSERT_EQ(empty.size(), 27u);
    EXPECT_EQ((Strings{empty[0], empty[3]}), (Strings{"0", "2026.1205"}));
}

}  // namespace
}  // namespace orvexal
