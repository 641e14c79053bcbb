#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "astro/julian_date.h"
#include "cli/field_options.h"
#include "night/track.h"

namespace orvexal {
namespace {

// Options without a value, and what each asks for.
constexpr std::array<std::pair<std::string_view, bool CommandLine::*>, 8> kSwitches{{
    {"--help", &CommandLine::help},
    {"-h", &CommandLine::help},
    {"--version", &CommandLine::version},
    {"--batch", &CommandLine::batch},
    {"--header", &CommandLine::header},
    {"--json", &CommandLine::json},
    {"--list-sites", &CommandLine::listSites},
    {"--night", &CommandLine::night},
}};

// Options whose value is kept as given.
constexpr std::array<std::pair<std::string_view, std::optional<std::string> CommandLine::*>, 3> kTextOptions{{
    {"--site", &CommandLine::site},
    {"--constellations", &CommandLine::constellationFile},
    {"--locations", &CommandLine::locationFile},
}};

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
        if (!field && !text && name != "--now" && name != "--step") {
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
