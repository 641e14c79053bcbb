#include "cli/field_options.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

#include "astro/julian_date.h"

namespace orvexal {
namespace {

// The field whose option is named so, or nothing.
const FieldDescription* OptionNamed(std::string_view name)
{
    const auto named = [name](const FieldDescription& row) { return !name.empty() && row.option.name == name; };
    const auto found = std::ranges::find_if(kFields, named);
    return found == std::end(kFields) ? nullptr : &*found;
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

bool Follows(OptionRule rule, const std::string& text, const DecimalDigits& digits)
{
    switch (rule) {
    case OptionRule::Number: return true;
    case OptionRule::Packed: return MinutesAndSecondsBelow60(digits.fraction);
    case OptionRule::Latitude: return MinutesAndSecondsBelow60(digits.fraction) && WithinRightAngle(digits);
    case OptionRule::Date: return text == "0" || IsCalendarDate(digits);
    }
    return false;
}

// The expected form as the message about a value not in it names it.
std::string FormOf(const FieldOption& option)
{
    const bool packed = option.rule == OptionRule::Packed || option.rule == OptionRule::Latitude;
    return std::string(option.form) + (packed ? " (minutes and seconds below 60)" : "");
}

}  // namespace

std::optional<Field> FieldOfOption(const std::string& option)
{
    const FieldDescription* known = OptionNamed(option);
    return known ? std::optional(known->field) : std::nullopt;
}

std::string CheckedFieldText(const std::string& option, const std::string& text)
{
    const FieldDescription* known = OptionNamed(option);
    if (!known) {
        throw std::logic_error(option + " is not a field option");
    }
    const auto digits = DigitsOf(text);
    if (!digits || !Follows(known->option.rule, text, *digits)) {
        throw std::invalid_argument(option + ": \"" + text + "\" is not " + FormOf(known->option) + ", e.g. "
                                    + std::string(known->option.example));
    }
    return digits->Text();
}

std::optional<double> DecimalNumber(const std::string& text)
{
    const auto digits = DigitsOf(text);
    return digits ? std::optional(std::strtod(digits->Text().c_str(), nullptr)) : std::nullopt;
}

}  // namespace orvexal
