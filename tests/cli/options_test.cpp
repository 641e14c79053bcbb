// orvexal-calc's options: values read strictly, sites by name, the JSON
// object, the batch header, the night and exit statuses. The program runs in a folder
// of its own, whose location file is named in lower case.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvexal {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

struct Ran {
    int status;
    std::string out;
    std::string err;
};

std::string Contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Epochs of 309 digits: their difference overflows in the precession.
const std::string kHugeEpoch = "1" + std::string(308, '0');

class OrvexalCalcOptions : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        fs::create_directories(folder_);
        // An exact name that begins a longer one; a comma, quotes, a
        // backslash and a byte that is not UTF-8 (Latin-1 e acute).
        std::ofstream(folder_ / "location.dat") << "Test sites\nname, longitude, latitude, zone\n"
                                                   "Ondra,10.3,45.15,-1\n\"Ondra North, dome 2\",10.31,45.2,-1\n"
                                                   "\"Pell \"\"A\"\" \\ cr\xe9te\",-20,-30,-2.5\n";
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }

    // Runs a program through the shell in the folder, `input` on its
    // standard input; each argument in single quotes.
    static Ran Spawn(const Strings& args, const std::string& input = "")
    {
        std::ofstream(folder_ / "in") << input;
        std::string command = "cd " + folder_.string() + " && exec";
        for (const auto& arg : args) {
            command += " '";
            for (const char c : arg) {
                command += c == '\'' ? std::string("'\\''") : std::string(1, c);
            }
            command += '\'';
        }
        const int status = std::system((command + " <in >out 2>err").c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(folder_ / "out"), Contents(folder_ / "err")};
    }

    static Ran Calc(const Strings& args, const std::string& input = "")
    {
        Strings command{ORVEXAL_CALC_BINARY, "--now", "2026-12-05 12:48:49", "--constellations",
                        std::string(ORVEXAL_SHARE_DIR) + "/Constell.dat"};
        command.insert(command.end(), args.begin(), args.end());
        return Spawn(command, input);
    }

    static inline const fs::path folder_ =
        fs::temp_directory_path() / ("orvexal-options-" + std::to_string(getpid()));
};

// Each row: the arguments, and what the one line on standard error holds.
TEST_F(OrvexalCalcOptions, ValuesNotInTheirFormExitWithStatusTwo)
{
    const std::pair<Strings, std::string> rows[] = {
        {{"--date", "2024-06-15"}, R"(--date: "2024-06-15" is not a date in YYYY.MMDD form, e.g. 2024.0615)"},
        {{"--date", "2024.061", "--time", "0"}, R"(--date: "2024.061")"},
        {{"--date", "1900.0229", "--time", "0"}, R"(--date: "1900.0229")"},
        {{"--date", "2024.0615"}, "--date 2024.0615 needs --time"},
        {{"--time", "22.1530"}, "--time 22.1530 needs --date"},
        {{"--ra", "20.4060"}, R"(--ra: "20.4060")"},
        {{"--time", "22.7"}, R"(--time: "22.7" is not a time in H.MMSS form (minutes and seconds below 60))"},
        {{"--latitude", "90.0001"}, R"(--latitude: "90.0001" is not a latitude in D.MMSS form within 90)"},
        {{"--twilight", ""}, R"(--twilight: "")"},
        {{"--epoch", "2e3"}, R"(--epoch: "2e3")"},
        {{"--batch", "--zone", "8"}, "--zone does not go with --batch"},
        {{"--header"}, "--header goes with --batch"},
        {{"--site", "Ondra", "--latitude", "50"}, "--latitude does not go with --site"},
        {{"--step", "10"}, "--step goes with --night"},
        {{"--batch", "--night"}, "--night does not go with --batch"},
        {{"--night", "--step", "0.0166"}, R"(--step: "0.0166" is not a step in minutes from 1 second to 120 minutes)"},
        {{"--night", "--step", "120.001"}, R"(--step: "120.001")"},
    };
    for (const auto& [args, told] : rows) {
        const Ran run = Calc(args);
        EXPECT_EQ(std::tuple(run.status, run.out, std::ranges::count(run.err, '\n')), std::tuple(2, "", 1)) << told;
        EXPECT_NE(run.err.find(told), std::string::npos) << run.err;
    }
}

// Values at the edges of their forms are taken as typed; each line ends in
// its unit; a fault leaves the results not reached "-" and is told.
TEST_F(OrvexalCalcOptions, ReportLinesGiveTheirUnits)
{
    const std::tuple<Strings, std::string, std::string> rows[] = {
        {{"--latitude", "\u221245.30"}, "\nLATITUDE (+ to N)                       -45.3           D.MS, + to the north\n", ""},
        {{"--latitude", "90"}, "\nLATITUDE (+ to N)                       90              D.MS, + to the north\n", ""},
        {{"--date", "1500.0229", "--time", "0"}, "\nDATE (YYYY.MMDD)                        1500.0229  ", ""},
        {{"--epoch", "-" + kHugeEpoch, "--new-epoch", kHugeEpoch},
         "\nNew Right Ascens.                       -               H.MS, at the new epoch\n",
         "orvexal-calc: overflow in the precession to the new epoch; the results after it were not calculated\n"},
    };
    for (const auto& [args, line, told] : rows) {
        const Ran run = Calc(args);
        EXPECT_EQ(run.status, told.empty() ? 0 : 1) << line;
        EXPECT_NE(run.out.find(line), std::string::npos) << run.out;
        EXPECT_EQ(run.err, told);
    }
}

// Each row: the arguments, the status, and what standard output (status 0)
// or standard error holds.
TEST_F(OrvexalCalcOptions, SitesByNameFromTheLocationFile)
{
    const std::string shipped = std::string(ORVEXAL_SHARE_DIR) + "/LOCATION.DAT";
    const std::tuple<Strings, int, std::string> rows[] = {
        {{"--site", "ONDRA"}, 0, "LOCATION                                Ondra\n"},
        {{"--site", "ondra n"}, 0, "LOCATION                                Ondra North, dome 2\n"},
        {{"--site", "ond"}, 2, "\"ond\" fits 2 sites; type more of the name:\n  Ondra\n  Ondra North, dome 2\n"},
        {{"--site", "onrda nort"}, 2, "the nearest names:\n  Ondra North, dome 2\n  Ondra\n  Pell"},
        {{"--locations", shipped, "--site", "palomar"}, 0, "\nLONGITUDE (+ to W)                      116.515  "},
        {{"--locations", "none.dat", "--site", "x"}, 2, "the location file 'none.dat' could not be read"},
        {{"--list-sites"}, 0, "\nOndra North, dome 2  10.31               45.2               -1\n"},
        {{"--help"}, 0, "\n  --list-sites "},
    };
    for (const auto& [args, status, said] : rows) {
        const Ran run = Calc(args);
        EXPECT_EQ(run.status, status) << said;
        EXPECT_NE((status == 0 ? run.out : run.err).find(said), std::string::npos) << run.out << run.err;
    }
}

// python3's json module reads the object back.
TEST_F(OrvexalCalcOptions, JsonParsesBackWithEveryFieldByMeaning)
{
    const std::string script =
        "import json, sys\n"
        "d = json.load(sys.stdin); i, r = d['inputs'], d['results']\n"
        "print(d['status'], d['computation'], len(i), len(r), ascii(i['location_name']['text']),\n"
        "      r['julian_date']['object'], r['julian_date']['text'], i['time']['text'], r['dawn']['text'] is None,\n"
        "      'unit' in r['air_mass'], sep='|')\n";
    const std::pair<Strings, std::string> rows[] = {
        {{"--site", "pell"},
         "ok|None|11|16|'Pell \"A\" \\\\ cr\\ufffdte'|Text13| 2461380.03390|15.1849|False|True\n"},
        {{"--epoch", "-" + kHugeEpoch, "--new-epoch", kHugeEpoch},
         "overflow|the precession to the new epoch|11|16|'Kestrine Astr. Observatory'|Text13| 2461380.03390|04.4849|"
         "True|True\n"},
    };
    for (const auto& [args, expected] : rows) {
        Strings json = args;
        json.push_back("--json");
        const Ran parsed = Spawn({"/usr/bin/python3", "-c", script}, Calc(json).out);
        EXPECT_EQ(parsed.out, expected) << parsed.err;
    }
}

// The night of 2026 December 4 at the designed site (zone 8) runs from an
// hour before dusk (17:05:29; astropy: 17:05:29) to an hour after dawn
// (06:58:47; astropy: 06:58:47), 953.3 minutes: one sample every step and
// one at the end. The first is at 00:05 UT on December 5 (JD 2461379.5 at
// 0h), the second a step later.
TEST_F(OrvexalCalcOptions, NightHasOneLinePerSampleUnderItsHeader)
{
    const std::string header = "local          JD(UT)  local(h)    UT(h)   LST(h)     HA(h)  alt(deg)  az(deg)   "
                               "airmass  sun_alt(deg)  moon_alt(deg)  moon_dist(deg)";
    const std::tuple<std::string, long, std::string> rows[] = {
        {"10", 97, "16:15  2461379.510761   16.2583   0.2583"},
        {"120", 9, "18:05  2461379.587150   18.0916   2.0916"},
    };
    for (const auto& [step, samples, second] : rows) {
        const Ran run = Calc({"--night", "--step", step, "--date", "2026.1204", "--time", "22"});
        const std::size_t table = run.out.find(header + "\n");
        ASSERT_NE(table, std::string::npos) << run.out;
        const std::string lines = run.out.substr(table + header.size() + 1);
        EXPECT_EQ(std::ranges::count(lines, '\n'), samples) << step;
        EXPECT_EQ(lines.substr(lines.find('\n') + 1, second.size()), second) << lines;
        EXPECT_NE(run.out.find("\nsamples      " + std::to_string(samples) + ", every " + step + " min"), std::string::npos);
    }
}

// The same night as JSON; after a fault only the status and no night.
TEST_F(OrvexalCalcOptions, NightAsJsonParsesBack)
{
    const std::string script =
        "import json, sys\n"
        "d = json.load(sys.stdin); s, n = d['summary'], d['samples']\n"
        "print(d['status'], n and len(n), s and s['sample_count'], n and ','.join(n[0]),\n"
        "      s and (s['dusk_local_h'], s['dawn_local_h'], abs(s['meridian_crossing']['ha_h']), s['site']), sep='|')\n";
    const std::pair<Strings, std::string> rows[] = {
        {{"--date", "2026.1204", "--time", "22"},
         "ok|97|97|jd,local_h,ut_h,lst_h,ha_h,alt_deg,az_deg,airmass,sun_alt_deg,moon_alt_deg,moon_dist_deg|"
         "(17.0916, 30.9799, 0.0, 'Kestrine Astr. Observatory')\n"},
        {{"--epoch", "-" + kHugeEpoch, "--new-epoch", kHugeEpoch}, "overflow|None|None|None|None\n"},
    };
    for (const auto& [args, expected] : rows) {
        Strings night = args;
        night.insert(night.end(), {"--night", "--json"});
        const Ran run = Calc(night);
        EXPECT_EQ(run.status, expected.starts_with("ok") ? 0 : 1);
        EXPECT_EQ(Spawn({"/usr/bin/python3", "-c", script}, run.out).out, expected) << run.out;
    }
    const Ran fault = Calc({"--night", "--epoch", "-" + kHugeEpoch, "--new-epoch", kHugeEpoch});
    EXPECT_EQ(std::tuple(fault.status, fault.out), std::tuple(1, ""));
    EXPECT_NE(fault.err.find("overflow in the precession"), std::string::npos);
}

// The header names the columns by the window's boxes; a line that ends on a
// fault makes the exit status 1.
TEST_F(OrvexalCalcOptions, BatchHeaderNamesTheColumnsAndStatusTellsFaults)
{
    const std::string good = "122.50514\t53.45289\t8\t0\t17.5557\t11.11111\t22.22222\t2000.0\t2000.0\t-10\n";
    const Ran ok = Calc({"--batch", "--header"}, good);
    EXPECT_EQ(std::tuple(ok.status, std::ranges::count(ok.out, '\n')), std::tuple(0, 2));
    EXPECT_TRUE(ok.out.starts_with("Text2\tText3\tText4\tText5\tText6\tText7\tText8\tText9\tText10\tText11\tText12\t"
                                   "Text13\tText14\tText15\tText16\tText17\tText18\tText19\tText20\tText21\tText22\t"
                                   "Text23\tText24\tText25\tText26\tText27\tstatus\n")) << ok.out;
    EXPECT_EQ(Calc({"--batch"}, good + "0\t1e400\t0\t2000.0101\t0\t0\t0\t2000\t2000\t-10\n").status, 1);
}

}  // namespace
}  // namespace orvexal
