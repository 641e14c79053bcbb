#include <gtest/gtest.h>

#include <sstream>

#include "child_process.h"

namespace orvexal::testing {
namespace {

const std::string kCalc = ORVEXAL_CALC_BINARY;
const std::string kConstellations = std::string(ORVEXAL_SHARE_DIR) + "/Constell.dat";
const std::string kNow = "2026-12-05 04:48:49";

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Columns(const std::string& line)
{
    std::vector<std::string> columns(1);
    for (const char c : line) {
        if (c == '\t') {
            columns.emplace_back();
        } else {
            columns.back() += c;
        }
    }
    return columns;
}

TEST(OrvexalCalc, PrintsEveryFieldCaptionThenTextInTheWindowsOrder)
{
    const Finished run = RunToEnd({kCalc, "--now", kNow, "--constellations", kConstellations});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], "LOCATION                                Kestrine Astr. Observatory");
    EXPECT_EQ(lines[4], "DATE (YYYY.MMDD)                        2026.1205");
    EXPECT_EQ(lines[10], "DEFINITION OF TWILIGHT: Sun altitude =  -10");
    EXPECT_EQ(lines[13], "Julian Date (JD)                         2461380.03390");
    EXPECT_EQ(lines[20], "Constellation                           Leo");
    EXPECT_EQ(lines[26], "Local Time of Dawn                       6.56281");
}

TEST(OrvexalCalc, OptionsTypeIntoTheirFields)
{
    const Finished run = RunToEnd({kCalc, "--now", kNow, "--constellations", kConstellations, "--zone",
                                   "-0.5", "--date", "2024.0701", "--time", "15", "--new-epoch", "0"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    EXPECT_EQ(lines[3], "TIME ZONE (PST=8)                       0");
    EXPECT_EQ(lines[9], "NEW EPOCH (0=date)                      2024.5");
}

TEST(OrvexalCalc, MissingConstellationFileLeavesTheFieldEmptyAndSaysSoOnce)
{
    const Finished run = RunToEnd({kCalc, "--now", kNow, "--constellations", "/nonexistent/Constell.dat"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.err).size(), 1u);
    EXPECT_NE(run.err.find("/nonexistent/Constell.dat"), std::string::npos);
    EXPECT_EQ(Lines(run.out)[20], "Constellation                           ");
}

TEST(OrvexalCalc, WrongCommandLinesExitWithStatusTwo)
{
    const std::vector<std::vector<std::string>> wrong = {
        {kCalc, "--colour", "red"},
        {kCalc, "--zone"},
        {kCalc, "--now", "2026-12-05"},
        {kCalc, "--now", "2026-13-05 04:48:49"},
        {kCalc, "--now", "2026-02-30 04:48:49"},
        {kCalc, "--now", "2026-12-05 24:00:00"},
        {kCalc, "--now", "2026-12-05  4:48:49"},
        {kCalc, "--now", "2026-12-05T04:48:49"},
    };
    for (const auto& args : wrong) {
        const Finished run = RunToEnd(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_EQ(Lines(run.err).size(), 1u) << args.back();
        EXPECT_EQ(run.out, "") << args.back();
    }
    const Finished help = RunToEnd({kCalc, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
}

TEST(OrvexalCalc, FaultEndsWithStatusOne)
{
    const Finished run = RunToEnd({kCalc, "--now", kNow, "--latitude", "1e400"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("overflow"), std::string::npos);
}

TEST(OrvexalCalcBatch, OneAnswerLinePerInputLineThroughAPipe)
{
    ChildProcess child({kCalc, "--batch", "--now", kNow, "--constellations", kConstellations});
    // Each answer is read before the next line is written: the batch flushes
    // every line.
    child.Write("122.50514\t53.45289\t8\t0\t17.5557\t11.11111\t22.22222\t2000.0\t2000.0\t-10\n");
    const auto first = Columns(child.ReadLine());
    ASSERT_EQ(first.size(), 27u);
    EXPECT_EQ(first[0], "122.50514");          // Text2
    EXPECT_EQ(first[3], "2026.1205");          // Text5 from the clock
    EXPECT_EQ(first[11], " 2461380.03390");    // Text13
    EXPECT_EQ(first[18], "Leo");               // Text20
    EXPECT_EQ(first[24], " 6.56281");          // Text26
    EXPECT_EQ(first[25], "-10");               // Text27
    EXPECT_EQ(first[26], "ok");

    child.Write("1\t2\t3\n");
    EXPECT_EQ(child.ReadLine(), "error");

    child.Write("0\t1e400\t0\t2000.0101\t0\t0\t0\t2000\t2000\t-10\r\n");
    const auto fault = Columns(child.ReadLine());
    ASSERT_EQ(fault.size(), 27u);
    EXPECT_EQ(fault[0], "0");   // Text2 rewritten before the fault
    EXPECT_EQ(fault[1], "1e400");  // Text3 not reached
    EXPECT_EQ(fault[11], "0");  // Text13 keeps its designed text
    EXPECT_EQ(fault[18], " ");  // Text20 keeps its single blank
    EXPECT_EQ(fault[26], "overflow");

    const Finished done = child.Finish();
    EXPECT_EQ(done.out, "");
    ASSERT_EQ(Lines(done.err).size(), 1u);
    EXPECT_NE(done.err.find("line 2"), std::string::npos);
    EXPECT_EQ(done.status, 0);
}

TEST(OrvexalCalcBatch, DivisionByZeroAndEmptyColumns)
{
    const Finished run = RunToEnd(
        {kCalc, "--batch", "--now", kNow},
        "0\t20\t0\t2000.0101\t0\t6.39522711\t20\t2000\t2000\t-10\n\t\t\t\t\t\t\t\t\t\n");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Columns(lines[0]).back(), "division by zero");
    const auto empty = Columns(lines[1]);
    ASSERT_EQ(empty.size(), 27u);
    EXPECT_EQ(empty[0], "0");          // an empty field reads as 0
    EXPECT_EQ(empty[3], "2026.1205");  // date 0: the clock
}

}  // namespace
}  // namespace orvexal::testing
