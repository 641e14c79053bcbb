#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "astro/julian_date.h"
#include "cli/field_options.h"
#include "night/track.h"

namespace orvexal {
namespace {

// Options without a value, and what each asks for.
constexpr std::array<std::pair<std::string_view, bool CommandLine::*>, 9> kSwitches{{
    {"--help", &CommandLine::help},
    {"-h", &CommandLine::help},
    {"--version", &CommandLine::version},
    {"--batch", &CommandLine::batch},
    {"--header", &CommandLine::header},
    {"--json", &CommandLine::json},
    {"--list-sites", &CommandLine::listSites},
    {"--night", &CommandLine::night},
    {"--csv", &CommandLine::csv},
}};

// Options whose value is kept as given.
constexpr std::array<std::pair<std::string_view, std::optional<std::string> CommandLine::*>, 4> kTextOptions{{
    {"--site", &CommandLine::site},
    {"--constellations", &CommandLine::constellationFile},
    {"--locations", &CommandLine::locationFile},
    {"--targets", &CommandLine::targetList},
}};

// The limits of a planned target list: a decimal number within a range.
struct LimitOption {
    std::string_view name;
    std::optional<double> CommandLine::*value;
    double least;
    double largest;
    std::string_view what;  // "an altitude in degrees"
};

// The air mass ends at Young's 38 on the horizon (night/track.h).
constexpr std::array<LimitOption, 3> kLimitOptions{{
    {"--min-altitude", &CommandLine::minAltitudeDeg, 0, 90, "an altitude in degrees"},
    {"--max-airmass", &CommandLine::maxAirMass, 1, 38, "an air mass"},
    {"--min-moon-distance", &CommandLine::minMoonDistanceDeg, 0, 180, "a distance in degrees"},
}};

// The orders of --sort.
constexpr std::array<std::pair<std::string_view, TargetOrder>, 4> kOrders{{
    {"best", TargetOrder::Best},
    {"name", TargetOrder::Name},
    {"ra", TargetOrder::RightAscension},
    {"hours", TargetOrder::Hours},
}};

// Options that only a planned target list reads.
constexpr std::array<std::string_view, 5> kTargetListOptions{
    "--sort", "--min-altitude", "--max-airmass", "--min-moon-distance", "--csv"};

// The options of the one target, which --targets takes from its list.
constexpr std::array<std::string_view, 4> kTargetOptions{"--ra", "--dec", "--epoch", "--new-epoch"};

const LimitOption* LimitNamed(std::string_view name)
{
    const auto found = std::ranges::find(kLimitOptions, name, &LimitOption::name);
    return found == kLimitOptions.end() ? nullptr : &*found;
}

double LimitValue(const LimitOption& option, const std::string& text)
{
    const auto value = DecimalNumber(text);
    if (!value || !(*value >= option.least && *value <= option.largest)) {
        char range[64];
        std::snprintf(range, sizeof range, " from %g to %g", option.least, option.largest);
        throw std::invalid_argument(std::string(option.name) + ": \"" + text + "\" is not " + std::string(option.what)
                                    + range);
    }
    return *value;
}

TargetOrder OrderNamed(const std::string& text)
{
    const auto found = std::ranges::find(kOrders, text, &std::pair<std::string_view, TargetOrder>::first);
    if (found == kOrders.end()) {
        throw std::invalid_argument("--sort: \"" + text + "\" is not one of best, name, ra, hours");
    }
    return found->second;
}

template <typename Member, std::size_t N>
Member MemberNamed(const std::array<std::pair<std::string_view, Member>, N>& options, std::string_view name)
{
    const auto found = std::ranges::find(options, name, &std::pair<std::string_view, Member>::first);
    return found == options.end() ? nullptr : found->second;
}

bool IsValidDate(const DateTime& t)
{
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= DaysInMonth(static_cast<Int16>(t.year), t.month);
}

bool Among(std::span<const std::string_view> options, const std::string& name)
{
    return std::ranges::find(options, name) != options.end();
}

// The rules of --targets and its options.
void CheckTargetList(const CommandLine& line, const std::vector<std::string>& given)
{
    for (const std::string& option : given) {
        if (!line.targetList && Among(kTargetListOptions, option)) {
            throw std::invalid_argument(option + " goes with --targets");
        }
        const bool oneTarget = Among(kTargetOptions, option) || option == "--night" || option == "--batch";
        if (line.targetList && oneTarget) {
            throw std::invalid_argument(option + " does not go with --targets, which plans the targets of its list");
        }
    }
    if (line.minAltitudeDeg && line.maxAirMass) {
        throw std::invalid_argument("--min-altitude and --max-airmass are the same limit: give one of them");
    }
    if (line.csv && line.json) {
        throw std::invalid_argument("--csv and --json do not go together");
    }
}

// The rules between options; `given` holds the option names in order.
void CheckCombination(const CommandLine& line, const std::vector<std::string>& given)
{
    for (const std::string& option : given) {
        const std::optional<Field> field = FieldOfOption(option);
        const bool oneCalculation = field || option == "--site" || option == "--json" || option == "--night";
        if (line.batch && oneCalculation) {
            throw std::invalid_argument(option + " does not go with --batch, which reads every field from its input lines");
        }
        const bool place = field == Field::Longitude || field == Field::Latitude;
        if (place && line.site) {
            throw std::invalid_argument(option + " does not go with --site, which gives the site's longitude and latitude");
        }
    }
    if (line.header && !line.batch) {
        throw std::invalid_argument("--header goes with --batch");
    }
    CheckTargetList(line, given);
    if (line.stepMinutes && !line.night) {
        throw std::invalid_argument("--step goes with --night");
    }
    // A date of 0 takes the date and the time from the clock.
    const auto date = line.typed.find(Field::Date);
    const bool now = date == line.typed.end() || date->second == "0";
    const auto time = line.typed.find(Field::Time);
    if (!now && time == line.typed.end()) {
        throw std::invalid_argument("--date " + date->second + " needs --time, the local time in H.MMSS form, e.g. 22.1530");
    }
    if (now && time != line.typed.end()) {
        throw std::invalid_argument("--time " + time->second + " needs --date: without it the time is the clock's");
    }
}

// The step of --step, minutes: a decimal number within the night's steps.
double StepMinutes(const std::string& text)
{
    const auto minutes = DecimalNumber(text);
    if (!minutes || !(*minutes >= kNightLeastStepMinutes && *minutes <= kNightLargestStepMinutes)) {
        constexpr double kSecondsPerMinute = 60;
        char range[64];
        std::snprintf(range, sizeof range, "%g second to %g minutes", kNightLeastStepMinutes * kSecondsPerMinute,
                      kNightLargestStepMinutes);
        throw std::invalid_argument("--step: \"" + text + "\" is not a step in minutes from " + range
                                    + ", e.g. 2.5");
    }
    return *minutes;
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
    if (!validTime || !IsValidDate(t)) {
        return std::nullopt;
    }
    return t;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    std::vector<std::string> given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        given.push_back(name);
        if (const auto flag = MemberNamed(kSwitches, name)) {
            line.*flag = true;
            continue;
        }
        const auto field = FieldOfOption(name);
        const auto text = MemberNamed(kTextOptions, name);
        const LimitOption* limit = LimitNamed(name);
        if (!field && !text && !limit && name != "--now" && name != "--step" && name != "--sort") {
            throw std::invalid_argument("unknown option '" + name + "' (see --help)");
        }
        if (i + 1 >= args.size()) {
            throw std::invalid_argument("option '" + name + "' needs a value");
        }
        const std::string& value = args[++i];
        if (field) {
            line.typed[*field] = CheckedFieldText(name, value);
        } else if (text) {
            line.*text = value;
        } else if (limit) {
            line.*limit->value = LimitValue(*limit, value);
        } else if (name == "--sort") {
            line.order = OrderNamed(value);
        } else if (name == "--step") {
            line.stepMinutes = StepMinutes(value);
        } else if (!(line.now = ParseNow(value))) {
            throw std::invalid_argument("--now wants \"YYYY-MM-DD HH:MM:SS\" in UTC, not '" + value + "'");
        }
    }
    CheckCombination(line, given);
    return line;
}

}  // namespace orvexal
