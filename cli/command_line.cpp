#include "cli/command_line.h"

#include <array>
#include <string_view>
#include <stdexcept>

namespace orvexal {
namespace {

struct FieldOption {
    const char* name;
    Field field;
};

// One option for each field a user types into, in the window's order.
constexpr std::array<FieldOption, 10> kFieldOptions{{
    {"--longitude", Field::Longitude},
    {"--latitude", Field::Latitude},
    {"--zone", Field::TimeZone},
    {"--date", Field::Date},
    {"--time", Field::Time},
    {"--ra", Field::RightAscension},
    {"--dec", Field::Declination},
    {"--epoch", Field::Epoch},
    {"--new-epoch", Field::NewEpoch},
    {"--twilight", Field::Twilight},
}};

std::optional<Field> FieldOfOption(const std::string& name)
{
    for (const auto& option : kFieldOptions) {
        if (name == option.name) {
            return option.field;
        }
    }
    return std::nullopt;
}

bool DaysFitMonth(const DateTime& t)
{
    constexpr std::array<int, 12> kDays{31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= kDays[t.month - 1];
}

}  // namespace

std::optional<DateTime> ParseNow(std::string text)
{
    constexpr std::string_view kForm = "dddd-dd-dd dd:dd:dd";  // d: a digit
    if (text.size() == kForm.size() + 1 && text.back() == 'Z') {
        text.pop_back();  // ISO 8601's mark of universal time
    }
    if (text.size() != kForm.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < kForm.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kForm[i] == 'd' ? !digit : text[i] != kForm[i]) {
            return std::nullopt;
        }
    }
    const auto number = [&text](std::size_t at, std::size_t length) {
        return std::stoi(text.substr(at, length));
    };
    const DateTime t{number(0, 4), number(5, 2), number(8, 2),
                     number(11, 2), number(14, 2), number(17, 2)};
    const bool validTime = t.hour <= 23 && t.minute <= 59 && t.second <= 59;
    if (!validTime || !DaysFitMonth(t)) {
        return std::nullopt;
    }
    return t;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            line.help = true;
            continue;
        }
        if (name == "--batch") {
            line.batch = true;
            continue;
        }
        const auto field = FieldOfOption(name);
        if (!field && name != "--now" && name != "--constellations") {
            throw std::invalid_argument("unknown option '" + name + "' (see --help)");
        }
        if (i + 1 >= args.size()) {
            throw std::invalid_argument("option '" + name + "' needs a value");
        }
        const std::string& value = args[++i];
        if (field) {
            line.typed[*field] = value;
        } else if (name == "--constellations") {
            line.constellationFile = value;
        } else if (!(line.now = ParseNow(value))) {
            throw std::invalid_argument("--now wants \"YYYY-MM-DD HH:MM:SS\" in UTC, not '" + value + "'");
        }
    }
    return line;
}

std::string UsageText()
{
    return R"(Usage: orvexal-calc [options]
       orvexal-calc --batch [--now "YYYY-MM-DD HH:MM:SS"] [--constellations FILE]

Runs one calculation of Orvexal on the texts of the main window's input
fields and prints every field, caption then text, in the window's order.
Each option gives the text typed into one field; fields not given keep the
window's designed texts.

  --longitude T     LONGITUDE (+ to W), D.MS               (122.50514)
  --latitude T      LATITUDE (+ to N), D.MS                (53.45289)
  --zone T          TIME ZONE (PST=8), hours, + to W       (8)
  --date T          DATE (YYYY.MMDD); 0 = now              (0)
  --time T          TIME (local), H.MS                     (17.5557)
  --ra T            RIGHT ASCENSION, H.MS                  (11.11111)
  --dec T           DECLINATION, D.MS                      (22.22222)
  --epoch T         ABOVE EPOCH, years                     (2000.0)
  --new-epoch T     NEW EPOCH (0=date), years              (2000.0)
  --twilight T      Sun altitude defining twilight, deg    (-10)
  --now "YYYY-MM-DD HH:MM:SS"
                    the present instant in universal time (UTC; a
                    trailing "Z" is allowed), used for a date of 0: the
                    date and time fields get it on the site's zone clock,
                    UT minus the zone (default: the system clock)
  --constellations FILE
                    the constellation boundary file (default: Constell.dat
                    in the working folder or, when the folder has none, the
                    copy installed with the program in share/orvexal);
                    without it the constellation field stays empty
  --batch           read lines of ten TAB-separated texts from standard
                    input (longitude, latitude, zone, date, time, ra, dec,
                    epoch, new epoch, twilight); for each, write the texts
                    of Text2 to Text27 after one calculation and "ok" or the
                    fault that ended it ("overflow", "division by zero",
                    "invalid argument"), TAB-separated; a line without ten
                    texts gives "error"
  --help            this text

Exit status: 0 done; 1 the calculation ended on an arithmetic fault;
2 a wrong command line.
)";
}

}  // namespace orvexal
