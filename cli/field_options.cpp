#include "cli/field_options.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "astro/julian_date.h"

namespace orvexal {
namespace {

// What a value must be beyond a decimal number written in full.
enum class Rule {
    Number,    // any decimal number: zone, epochs, twilight
    Packed,    // D.MMSS or H.MMSS: minutes and seconds below 60
    Latitude,  // packed, at most 90 degrees from the equator
    Date,      // 0 (now), or YYYY.MMDD with a month 1..12 and a day of that month
};

struct FieldOption {
    std::string_view name;
    Field field;
    Rule rule;
    std::string_view form;  // completes "is not ..."
    std::string_view example;
};

// One option for each field a user types into, in the window's order.
constexpr std::array<FieldOption, 10> kFieldOptions{{
    {"--longitude", Field::Longitude, Rule::Packed, "a longitude in D.MMSS form", "122.50514"},
    {"--latitude", Field::Latitude, Rule::Latitude, "a latitude in D.MMSS form within 90 degrees", "-33.5"},
    {"--zone", Field::TimeZone, Rule::Number, "a time zone in hours", "-5.5"},
    {"--date", Field::Date, Rule::Date, "a date in YYYY.MMDD form", "2024.0615"},
    {"--time", Field::Time, Rule::Packed, "a time in H.MMSS form", "22.1530"},
    {"--ra", Field::RightAscension, Rule::Packed, "a right ascension in H.MMSS form", "20.4058"},
    {"--dec", Field::Declination, Rule::Packed, "a declination in D.MMSS form", "-45.1649"},
    {"--epoch", Field::Epoch, Rule::Number, "an epoch in years", "2000.0"},
    {"--new-epoch", Field::NewEpoch, Rule::Number, "an epoch in years", "2024.5"},
    {"--twilight", Field::Twilight, Rule::Number, "a Sun altitude in degrees", "-10"},
}};

const FieldOption* OptionNamed(std::string_view name)
{
    const auto found = std::ranges::find(kFieldOptions, name, &FieldOption::name);
    return found == kFieldOptions.end() ? nullptr : &*found;
}

// A decimal number written in full: an optional sign, digits with at most
// one point, at least one digit, nothing else (no blanks, no exponent).
struct DecimalDigits {
    bool negative = false;
    std::string whole;     // the digits before the point
    std::string fraction;  // the digits after it
    bool point = false;

    std::string Text() const { return (negative ? "-" : "") + whole + (point ? "." + fraction : ""); }
};

bool AllDigits(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<DecimalDigits> DigitsOf(std::string_view text)
{
    constexpr std::string_view kUnicodeMinus = "\u2212";
    DecimalDigits digits;
    if (text.starts_with(kUnicodeMinus)) {
        digits.negative = true;
        text.remove_prefix(kUnicodeMinus.size());
    } else if (text.starts_with('-') || text.starts_with('+')) {
        digits.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    digits.point = point != std::string_view::npos;
    digits.whole = text.substr(0, point);
    digits.fraction = digits.point ? text.substr(point + 1) : std::string_view();
    const bool hasDigits = !digits.whole.empty() || !digits.fraction.empty();
    if (!hasDigits || !AllDigits(digits.whole) || !AllDigits(digits.fraction)) {
        return std::nullopt;
    }
    return digits;
}

// The minutes are the first two fraction digits, the seconds the next two
// ("20.4" is 20 units 40 minutes): each is below 60 when its first digit is.
bool MinutesAndSecondsBelow60(const std::string& fraction)
{
    const std::string minutesAndSeconds = (fraction + "0000").substr(0, 4);
    return minutesAndSeconds[0] < '6' && minutesAndSeconds[2] < '6';
}

bool WithinRightAngle(const DecimalDigits& digits)
{
    constexpr int kRightAngle = 90;
    const std::size_t significant = digits.whole.find_first_not_of('0');
    if (significant == std::string::npos) {
        return true;
    }
    if (digits.whole.size() - significant > 2) {
        return false;
    }
    const int degrees = std::stoi(digits.whole);
    return degrees < kRightAngle || (degrees == kRightAngle && digits.fraction.find_first_not_of('0') == std::string::npos);
}

// YYYY.MMDD: one to four digits of the year, two of the month, two of the day.
bool IsCalendarDate(const DecimalDigits& digits)
{
    constexpr std::size_t kMaxYearDigits = 4;
    if (digits.whole.empty() || digits.whole.size() > kMaxYearDigits || digits.fraction.size() != 4) {
        return false;
    }
    const int year = std::stoi(digits.whole) * (digits.negative ? -1 : 1);
    const int month = std::stoi(digits.fraction.substr(0, 2));
    const int day = std::stoi(digits.fraction.substr(2, 2));
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(static_cast<Int16>(year), month);
}

bool Follows(Rule rule, const std::string& text, const DecimalDigits& digits)
{
    switch (rule) {
    case Rule::Number: return true;
    case Rule::Packed: return MinutesAndSecondsBelow60(digits.fraction);
    case Rule::Latitude: return MinutesAndSecondsBelow60(digits.fraction) && WithinRightAngle(digits);
    case Rule::Date: return text == "0" || IsCalendarDate(digits);
    }
    return false;
}

// The expected form as the message about a value not in it names it.
std::string FormOf(const FieldOption& option)
{
    const bool packed = option.rule == Rule::Packed || option.rule == Rule::Latitude;
    return std::string(option.form) + (packed ? " (minutes and seconds below 60)" : "");
}

}  // namespace

std::optional<Field> FieldOfOption(const std::string& option)
{
    const FieldOption* known = OptionNamed(option);
    return known ? std::optional(known->field) : std::nullopt;
}

std::string CheckedFieldText(const std::string& option, const std::string& text)
{
    const FieldOption* known = OptionNamed(option);
    if (!known) {
        throw std::logic_error(option + " is not a field option");
    }
    const auto digits = DigitsOf(text);
    if (!digits || !Follows(known->rule, text, *digits)) {
        throw std::invalid_argument(option + ": \"" + text + "\" is not " + FormOf(*known) + ", e.g. "
                                    + std::string(known->example));
    }
    return digits->Text();
}

std::optional<double> DecimalNumber(const std::string& text)
{
    const auto digits = DigitsOf(text);
    return digits ? std::optional(std::strtod(digits->Text().c_str(), nullptr)) : std::nullopt;
}

}  // namespace orvexal
