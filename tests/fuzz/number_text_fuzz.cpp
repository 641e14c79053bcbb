// The text forms of numbers on any input.
//
// LeadingNumber reads any bytes: it gives a finite number or an overflow
// fault. The number it read, the first eight bytes taken as a double and the
// first four as a float are then written by GeneralText, PlainText and
// GeneralTextNoSmallExponent, and checked two ways:
//
// - Digits: the texts are those of C's "%.15G" ("%.7G" for a float), with the
//   sign position in front and no "0" before the point in GeneralText; so a
//   finite value never shows as "nan" or "inf".
// - Reading back: a text shows 15 (7) significant digits, so the number it
//   spells is the value correctly rounded to 15 (7) significant digits, not
//   the value itself. printf's "%.14e" rounds correctly and strtod reads
//   correctly, so strtod of that text is the number every text must read
//   back as through LeadingNumber. Where that rounding passes the largest
//   double (1.7976931348623157E+308 shows as 1.79769313486232E+308) the text
//   spells a number beyond the double range, and reading it back is the
//   overflow fault that any such number is.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "numbers/number_text.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

std::string Printed(const char* format, int digits, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, digits, value);
    return buffer;
}

// The value a text of `digits` significant digits shows for x; nothing when
// that is beyond the double range.
std::optional<double> ShownValue(double x, int digits)
{
    const double shown = std::strtod(Printed("%.*e", digits - 1, x).c_str(), nullptr);
    return std::isinf(shown) ? std::nullopt : std::optional<double>(shown);
}

// LeadingNumber of a text, or nothing after an overflow fault.
std::optional<double> ReadBack(const std::string& text)
{
    try {
        return LeadingNumber(text);
    } catch (const ArithmeticFault& fault) {
        Require(fault.Kind() == FaultKind::Overflow, "LeadingNumber faults only by overflow", text);
        return std::nullopt;
    }
}

void RequireReadsBack(const std::string& text, double x, int digits)
{
    Require(ReadBack(text) == ShownValue(x, digits), "text reads back as the value it shows", text);
}

// The general text from printf's digits: the sign position, no "0" before
// the point.
std::string ExpectedGeneral(double x, int digits)
{
    std::string magnitude = Printed("%.*G", digits, std::fabs(x));
    if (magnitude.starts_with("0.")) {
        magnitude.erase(0, 1);
    }
    return (x < 0 ? "-" : " ") + magnitude;
}

void CheckDouble(double x)
{
    if (!std::isfinite(x)) {
        return;
    }
    const std::string general = GeneralText(x);
    Require(general == ExpectedGeneral(x, 15), "GeneralText of a double has %.15G digits", general);
    const std::string plain = PlainText(x);
    Require(plain == Printed("%.*G", 15, x == 0 ? 0.0 : x), "PlainText has %.15G digits", plain);
    for (const std::string& text : {general, plain, GeneralTextNoSmallExponent(x)}) {
        RequireReadsBack(text, x, 15);
    }
}

void CheckFloat(float f)
{
    if (!std::isfinite(f)) {
        return;
    }
    const std::string general = GeneralText(f);
    Require(general == ExpectedGeneral(f, 7), "GeneralText of a float has %.7G digits", general);
    RequireReadsBack(general, f, 7);
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal::fuzz;
    const std::optional<double> read = ReadBack(std::string(TextOf(data, size)));
    if (read) {
        Require(std::isfinite(*read), "LeadingNumber gives a finite number");
        CheckDouble(*read);
        CheckFloat(static_cast<float>(*read));
    }
    CheckDouble(ValueAt<double>(data, size, 0));
    CheckFloat(ValueAt<float>(data, size, 0));
    return 0;
}
