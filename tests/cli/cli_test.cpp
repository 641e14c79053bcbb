// orvexal-calc run as a child process with pipes to its standard streams.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <sstream>

namespace orvexal {
namespace {

using Strings = std::vector<std::string>;

const std::string kCalc = ORVEXAL_CALC_BINARY;
const std::string kConstellations = std::string(ORVEXAL_SHARE_DIR) + "/Constell.dat";
const std::string kNow = "2026-12-05 12:48:49";

std::string ReadToEnd(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    close(fd);
    return text;
}

struct Finished {
    int status;
    std::string out;
    std::string err;
};

class ChildProcess {
public:
    explicit ChildProcess(const Strings& args)
    {
        int in[2], out[2], err[2];
        if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) {
            return;
        }
        signal(SIGPIPE, SIG_IGN);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(in[0], 0);
            dup2(out[1], 1);
            dup2(err[1], 2);
            for (const int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
                close(fd);
            }
            std::vector<char*> argv;
            for (const auto& arg : args) {
                argv.push_back(const_cast<char*>(arg.c_str()));
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(in[0]);
        close(out[1]);
        close(err[1]);
        in_ = in[1];
        out_ = out[0];
        err_ = err[0];
    }

    void Write(const std::string& text) { [[maybe_unused]] const ssize_t n = write(in_, text.data(), text.size()); }

    // One line of standard output, without "\n".
    std::string ReadLine()
    {
        std::string line;
        for (char c; read(out_, &c, 1) == 1 && c != '\n';) {
            line += c;
        }
        return line;
    }

    // Closes its input, reads the rest, waits.
    Finished Finish()
    {
        close(in_);
        Finished done{-1, ReadToEnd(out_), ReadToEnd(err_)};
        int status = 0;
        waitpid(pid_, &status, 0);
        done.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return done;
    }

private:
    int pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    int err_ = -1;
};

Strings Split(const std::string& text, char separator)
{
    Strings parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

// The columns at the given places (0: Text2) of a batch answer of 27 columns.
Strings ColumnsAt(const std::string& line, std::initializer_list<std::size_t> places)
{
    const Strings columns = Split(line, '\t');
    if (columns.size() != 27) {
        return {line};
    }
    Strings picked;
    for (const std::size_t place : places) {
        picked.push_back(columns[place]);
    }
    return picked;
}

// One calculation: every field's caption, then its text, in the window's
// order. A missing constellation file is told once and leaves the field
// empty; a fault ends with status 1.
TEST(OrvexalCalc, PrintsEveryFieldCaptionThenText)
{
    struct Case {
        Strings args;
        std::map<std::size_t, std::string> lines;
        std::string told{};  // the one line on standard error holds it
        int status = 0;
    };
    const Case cases[] = {
        {{},
         {{0, "LOCATION                                Kestrine Astr. Observatory"},
          {4, "DATE (YYYY.MMDD)                        2026.1205       YYYY.MMDD, local"},
          {10, "DEFINITION OF TWILIGHT: Sun altitude =  -10             degrees, the Sun's altitude at dusk and dawn"},
          {13, "Julian Date (JD)                         2461380.03390  days, UT"},
          {20, "Constellation                           Leo             IAU abbreviation"},
          {26, "Local Time of Dawn                       6.56281        H.MS, local; below 0 is before midnight; "
               "none: no dawn that day"}}},
        {{"--zone", "-0.5", "--date", "2024.0701", "--time", "15", "--new-epoch", "0"},
         {{3, "TIME ZONE (PST=8)                       -0.5            hours, + to the west (UT = local + zone)"},
          {9, "NEW EPOCH (0=date)                      2024.5          years (0 = the epoch of the date)"}}},
        {{"--constellations", "/nonexistent/Constell.dat"},
         {{20, "Constellation                                           IAU abbreviation"}},
         "/nonexistent/Constell.dat"},
        {{"--zone", "40000"}, {}, "overflow", 1},
    };
    for (const auto& [args, lines, told, status] : cases) {
        SCOPED_TRACE(args.empty() ? "designed texts" : args[0]);
        Strings command{kCalc, "--now", kNow, "--constellations", kConstellations};
        command.insert(command.end(), args.begin(), args.end());
        const Finished run = ChildProcess(command).Finish();
        EXPECT_EQ(run.status, status);
        const Strings out = Split(run.out, '\n');
        ASSERT_EQ(out.size(), 27u);
        for (const auto& [place, line] : lines) {
            EXPECT_EQ(out[place], line);
        }
        EXPECT_EQ(Split(run.err, '\n').size(), told.empty() ? 0u : 1u);
        EXPECT_NE(run.err.find(told), std::string::npos);
    }
}

TEST(OrvexalCalc, WrongCommandLinesExitWithStatusTwo)
{
    const Strings wrong[] = {
        {"--colour", "red"},
        {"--zone"},
        {"--now", "2026-12-05"},
        {"--now", "2026-13-05 04:48:49"},
        {"--now", "2026-02-30 04:48:49"},
        {"--now", "2026-12-05 24:00:00"},
        {"--now", "2026-12-05  4:48:49"},
        {"--now", "2026-12-05T04:48:49"},
    };
    for (const auto& args : wrong) {
        Strings command{kCalc};
        command.insert(command.end(), args.begin(), args.end());
        const Finished run = ChildProcess(command).Finish();
        EXPECT_EQ(std::tuple(run.status, Split(run.err, '\n').size(), run.out), std::tuple(2, 1u, ""))
            << args.back();
    }
    const Finished help = ChildProcess({kCalc, "--help"}).Finish();
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--batch"), std::string::npos);
}

// Each answer is read before the next line is written: the batch flushes
// every line. A fault keeps the texts written before it.
TEST(OrvexalCalcBatch, OneAnswerLinePerInputLineThroughAPipe)
{
    ChildProcess child({kCalc, "--batch", "--now", kNow, "--constellations", kConstellations});
    child.Write("122.50514\t53.45289\t8\t0\t17.5557\t11.11111\t22.22222\t2000.0\t2000.0\t-10\n");
    EXPECT_EQ(ColumnsAt(child.ReadLine(), {0, 3, 11, 18, 24, 25, 26}),
              (Strings{"122.50514", "2026.1205", " 2461380.03390", "Leo", " 6.56281", "-10", "ok"}));
    child.Write("1\t2\t3\n");
    EXPECT_EQ(child.ReadLine(), "error");
    child.Write("0\t1e400\t0\t2000.0101\t0\t0\t0\t2000\t2000\t-10\r\n");
    EXPECT_EQ(ColumnsAt(child.ReadLine(), {0, 1, 11, 18, 26}), (Strings{"0", "1e400", "0", " ", "overflow"}));
    child.Write("0\t20\t0\t2000.0101\t0\t6.39522711\t20\t2000\t2000\t-10\n");
    EXPECT_EQ(ColumnsAt(child.ReadLine(), {14, 26}), (Strings{" 0", "ok"}));  // at the zenith
    child.Write("\t\t\t\t\t\t\t\t\t\n");  // an empty text reads as 0; date 0 takes the clock's
    EXPECT_EQ(ColumnsAt(child.ReadLine(), {0, 3}), (Strings{"0", "2026.1205"}));
    const Finished done = child.Finish();
    EXPECT_EQ(done.out, "");
    ASSERT_EQ(Split(done.err, '\n').size(), 1u);
    EXPECT_NE(done.err.find("line 2"), std::string::npos);
    EXPECT_EQ(done.status, 1);  // not every line ended "ok"
}

}  // namespace
}  // namespace orvexal
