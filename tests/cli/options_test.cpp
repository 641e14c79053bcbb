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
#include <sstream>

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
        {{"--sort", "name"}, "--sort goes with --targets"},
        {{"--targets", "list", "--ra", "5"}, "--ra does not go with --targets"},
        {{"--targets", "list", "--sort", "dec"}, R"(--sort: "dec" is not one of best, name, ra, hours)"},
        {{"--targets", "list", "--min-altitude", "90.5"}, R"(--min-altitude: "90.5" is not an altitude in degrees from 0 to 90)"},
        {{"--targets", "list", "--max-airmass", "0.99"}, R"(--max-airmass: "0.99" is not an air mass from 1 to 38)"},
        {{"--targets", "list", "--min-altitude", "20", "--max-airmass", "2"}, "give one of them"},
        {{"--targets", "list", "--csv", "--json"}, "--csv and --json do not go together"},
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

// The night of 2026 December 4 at the designed site (zone 8, twilight -10)
// runs from an hour before dusk to an hour after dawn; astropy (the Sun's
// centre, no refraction) puts dusk at JD 2461379.545474 (17:05:29) and dawn
// at 30.97972 h (06:58:47): 953.3 minutes, a sample every step and one at
// the end. The second sample is a step after the first.
TEST_F(OrvexalCalcOptions, NightHasOneLinePerSampleUnderItsHeader)
{
    const std::string header = "local          JD(UT)  local(h)    UT(h)   LST(h)     HA(h)  alt(deg)  az(deg)   "
                               "airmass  sun_alt(deg)  moon_alt(deg)  moon_dist(deg)";
    constexpr double kDuskJd = 2461379.545474;
    constexpr double kDuskHours = 17.09138;
    const std::pair<double, long> rows[] = {{10, 97}, {120, 9}};
    for (const auto& [step, samples] : rows) {
        const Ran run = Calc({"--night", "--step", std::to_string(step), "--date", "2026.1204", "--time", "22"});
        const std::size_t table = run.out.find(header + "\n");
        ASSERT_NE(table, std::string::npos) << run.out;
        const std::string lines = run.out.substr(table + header.size() + 1);
        EXPECT_EQ(std::ranges::count(lines, '\n'), samples) << step;
        std::istringstream second(lines.substr(lines.find('\n') + 1));
        std::string clock;
        double jd = 0;
        double localHours = 0;
        second >> clock >> jd >> localHours;
        EXPECT_NEAR(jd, kDuskJd + (step / 60 - 1) / 24, 2.0 / 86400) << step;
        EXPECT_NEAR(localHours, kDuskHours + step / 60 - 1, 2.0 / 3600) << step;
    }
}

// The rest of a summary line after its caption.
std::string SummaryText(const std::string& out, const std::string& caption)
{
    const std::size_t at = out.find("\n" + caption + "  ");
    if (at == std::string::npos) {
        return "(no line " + caption + ")";
    }
    const std::size_t from = out.find_first_not_of(' ', at + 1 + caption.size());
    return out.substr(from, out.find('\n', from) - from);
}

// The first number of a summary line, or the night's hours beside a clock
// time that begins it: "01:07 (25.1222 h)".
double SummaryValue(const std::string& out, const std::string& caption)
{
    const std::string text = SummaryText(out, caption);
    return std::strtod(text.c_str() + (text.find(':') == 2 ? text.find('(') + 1 : 0), nullptr);
}

// La Palma (17 52 48 W, 28 45 36 N, zone 0), the night of 2024 December 15,
// twilight -12, the Orion Nebula (J2000 5h35m17s, -5 23' 28"). astropy 5.2:
// the Sun's and the Moon's centres without refraction (the Moon's upper limb
// under 34' of refraction), the target's rise at a geometric -34', its
// culmination, the hours above 30 deg refracted (1010 hPa, 10 C) with the
// Sun below -12, the Moon's topocentric distance at dusk, the local mean
// sidereal time at 0h UT on the 16th, and the Moon's phase at midnight
// (0.99301, less an hour later than an hour before).
TEST_F(OrvexalCalcOptions, NightSummaryAsAstropyFindsIt)
{
    const Ran run = Calc({"--longitude", "17.5248", "--latitude", "28.4536", "--zone", "0", "--date", "2024.1215",
                          "--time", "22", "--ra", "5.3517", "--dec", "-5.2328", "--new-epoch", "0", "--twilight",
                          "-12", "--night"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::pair<std::string, double> rows[] = {
        {"sunset", 18.2750},           {"civil dusk", 18.7081},       {"nautical dusk", 19.1995},
        {"astronomical dusk", 19.6814}, {"dusk at -12 deg", 19.1995}, {"dawn at -12 deg", 31.0388},
        {"astronomical dawn", 30.5568}, {"nautical dawn", 31.0388},   {"civil dawn", 31.5304},
        {"sunrise", 31.9636},          {"moonrise", 18.3480},         {"moonset", 33.2310},
        {"target rise", 19.2925},      {"meridian", 25.1222},         {"target set", 30.9526},
        {"above 30 deg", 6.833},       {"moon nearest", 33.988},      {"LST at midnight", 4.4833},
    };
    for (const auto& [caption, astropy] : rows) {
        EXPECT_NEAR(SummaryValue(run.out, caption), astropy, 1.0 / 60) << caption << "\n" << run.out;
    }
    EXPECT_EQ(SummaryText(run.out, "moon at midnight"), "99.3 % lit, waning");
}

// Where an event does not happen in the night. At La Palma a declination of
// -70 culminates 8.8 deg below the horizon and one of +80 stays 19 deg above
// it; at Tromso (18 57 E, 69 39 N) astropy finds the Sun between 3.1 and
// 43.8 deg and the Moon between -48.9 and -8.9 deg through the night of
// 2024 June 21, and the Sun between -43.7 and -3.0, the Moon between 7.0 and
// 48.1 deg through that of December 15.
TEST_F(OrvexalCalcOptions, NightSummaryTellsEventsThatDoNotHappen)
{
    const Strings laPalma{"--longitude", "17.5248", "--latitude", "28.4536", "--zone", "0", "--date", "2024.1215",
                          "--time", "22", "--new-epoch", "0", "--ra", "5.3517", "--night", "--dec"};
    const Strings tromso{"--longitude", "-18.57", "--latitude", "69.39", "--night", "--time", "23", "--date"};
    const std::tuple<Strings, Strings, std::string, std::string> rows[] = {
        {laPalma, {"-70"}, "target rise, set", "never rises"},
        {laPalma, {"80"}, "target rise, set", "never sets"},
        {tromso, {"2024.0621", "--zone", "-2"}, "moonrise, moonset", "below the horizon all night"},
        {tromso, {"2024.0621", "--zone", "-2"}, "civil dusk", "none"},
        {tromso, {"2024.1215", "--zone", "-1"}, "moonrise, moonset", "up all night"},
        {tromso, {"2024.1215", "--zone", "-1"}, "sunrise", "none"},
    };
    for (const auto& [site, more, caption, text] : rows) {
        Strings args = site;
        args.insert(args.end(), more.begin(), more.end());
        EXPECT_EQ(SummaryText(Calc(args).out, caption), text) << caption;
    }
}

// The summary's keys as JSON: the night's hours and degrees are numbers, or
// null where the event does not happen (the nights above); after a fault
// only the status and no night.
TEST_F(OrvexalCalcOptions, NightAsJsonParsesBack)
{
    const std::string script =
        "import json, sys\n"
        "d = json.load(sys.stdin); s, n = d['summary'], d['samples']\n"
        "events = ['sunset', 'civil_dusk', 'nautical_dusk', 'astronomical_dusk', 'dusk', 'dawn',\n"
        "          'astronomical_dawn', 'nautical_dawn', 'civil_dawn', 'sunrise', 'moonrise', 'moonset',\n"
        "          'target_rise', 'target_transit', 'target_set', 'moon_least_distance']\n"
        "keys = [e + '_local_h' for e in events] + ['twilight_deg', 'moon_illuminated_fraction',\n"
        "        'dark_hours_without_moon', 'target_transit_alt_deg', 'target_hours_above_30_deg',\n"
        "        'moon_least_distance_deg', 'lst_at_midnight_h', 'step_min', 'sample_count']\n"
        "number = lambda v: type(v) in (int, float)\n"
        "print(d['status'], n and len(n) == s['sample_count'],\n"
        "      s and [k for k in keys if k not in s or not (s[k] is None or number(s[k]))],\n"
        "      s and [k[:-8] for k in keys if k in s and s[k] is None],\n"
        "      s and (s['moon_up_at_midnight'], s['moon_waxing'], s['target_path'],\n"
        "             abs(s['meridian_crossing']['ha_h']), number(s['highest']['alt_deg'])), sep='|')\n";
    const std::pair<Strings, std::string> rows[] = {
        {{"--longitude", "17.5248", "--latitude", "28.4536", "--zone", "0", "--date", "2024.1215", "--time", "22",
          "--ra", "5.3517", "--dec", "-5.2328", "--new-epoch", "0", "--twilight", "-12"},
         "ok|True|[]|[]|(True, False, 'rises_and_sets', 0.0, True)\n"},
        {{"--longitude", "-18.57", "--latitude", "69.39", "--zone", "-2", "--date", "2024.0621", "--time", "23",
          "--dec", "80"},
         "ok|True|[]|['sunset', 'civil_dusk', 'nautical_dusk', 'astronomical_dusk', 'dusk', 'dawn', "
         "'astronomical_dawn', 'nautical_dawn', 'civil_dawn', 'sunrise', 'moonrise', 'moonset', 'target_rise', "
         "'target_set']|(False, True, 'never_sets', 0.0, True)\n"},
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

// A list of five targets and a bad line from La Palma on the night of 2024
// December 15 to 16, nautical twilight: the Orion Nebula rises, culminates
// and sets at 19:17:31, 01:07:21 and 06:57:11 by astropy (tests/night
// plan_test.cpp); Canopus stands 8.6 deg high at most (90 - 28.76 - 52.7);
// the SMC never rises; Polaris never sets; Sirius culminates at 02:17
// (astropy: 02:16:53). Sorted by name; the bad line
// told on standard error with its number; the status 1.
TEST_F(OrvexalCalcOptions, TargetsPlanTheListForTheNight)
{
    std::ofstream(folder_ / "list.txt") << "# test list\nM42, 05:35:17.3, -05:23:28\nSMC 00 52 44.8 -72 49 43\n"
                                           "Sirius, 6.4509, -16.4258, 2000, \"note, with a comma\"\n"
                                           "bad, 25:00:00, 10\nPolaris, 02:31:49.09, +89:15:50.8\n"
                                           "Canopus, 06:23:57.11, -52:41:44.4\n";
    const Strings night{"--targets", "list.txt", "--longitude", "17.5248", "--latitude", "28.4536", "--zone", "0",
                        "--date", "2024.1215", "--time", "22", "--twilight", "-12", "--sort", "name"};
    const Ran text = Calc(night);
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.err.starts_with("orvexal-calc: list.txt:5: ") && std::ranges::count(text.err, '\n') == 1)
        << text.err;
    std::istringstream lines(text.out.substr(text.out.find("\nname ") + 1));
    std::string line;
    Strings names;
    while (std::getline(lines, line)) {
        names.push_back(line.substr(0, line.find("  ")));
        const bool m42 = line.starts_with("M42 ");
        EXPECT_EQ(m42, line.find(" 01:07        55.87  06:57 ") != std::string::npos) << line;
    }
    EXPECT_EQ(names, (Strings{"name", "Canopus", "M42", "Polaris", "SMC", "Sirius"}));
    EXPECT_NE(text.out.find("never rises"), std::string::npos);
    EXPECT_NE(text.out.find("circumpolar"), std::string::npos);

    Strings csv = night;
    csv.push_back("--csv");
    const std::string script =
        "import csv, sys\n"
        "rows = {r['name']: r for r in csv.DictReader(sys.stdin)}\n"
        "print(len(rows), rows['M42']['set'], rows['SMC']['rise'], rows['Sirius']['transit'],\n"
        "      float(rows['Canopus']['best_alt(deg)']) < 9, rows['Polaris']['remark'])\n";
    EXPECT_EQ(Spawn({"/usr/bin/python3", "-c", script}, Calc(csv).out).out, "5 06:57 - 02:17 True circumpolar\n");
    // An air mass of 2 is an apparent altitude of 29.93748 deg (track_test).
    Strings airMass = csv;
    airMass.insert(airMass.end(), {"--max-airmass", "2"});
    Strings altitude = csv;
    altitude.insert(altitude.end(), {"--min-altitude", "29.93748"});
    EXPECT_EQ(Calc(airMass).out, Calc(altitude).out);

    const Ran missing = Calc({"--targets", "no such list"});
    EXPECT_EQ(std::tuple(missing.status, missing.out), std::tuple(2, ""));
    EXPECT_NE(missing.err.find("'no such list' could not be read"), std::string::npos) << missing.err;
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
