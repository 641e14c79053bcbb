// FormatFixed and FormatExponent for any double, widths 1 to 30 and 0 to 20
// decimals. Input: one byte for the width, one for the decimals, eight for
// the value.
//
// Either call gives a text or an arithmetic fault, for a finite value only
// an overflow near the top of the double range. For a finite value the
// text holds only a sign, digits, a point and the exponent letters (never
// "nan" or "inf"), and has its designed length: FormatFixed exactly `width`
// characters unless it falls back to the exponent form, which is right-
// aligned in `width` characters and only longer when its mantissa and
// exponent need more room. An exponent form ends in "D", a sign and at least
// two digits, and a value above the zero threshold with at least one decimal
// shows a mantissa that is not zero (its magnitude is 0.1 to 1).
#include <algorithm>
#include <cmath>
#include <limits>

#include "numbers/fixed_format.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

constexpr int kMaxWidth = 30;
constexpr int kMaxDecimals = 20;
constexpr int kFrame = 6;               // sign position, point, "D", sign, two digits
constexpr double kExponentZero = 1e-16;  // at or below it the mantissa is zero
constexpr double kOverflowFloor = std::numeric_limits<double>::max() / 1e20;  // x * 10^20 fits below

void RequireWellFormed(const std::string& text, std::size_t width)
{
    Require(text.find_first_not_of(" -+.0123456789ED") == std::string::npos, "only number characters", text);
    Require(text.size() >= width, "at least the width", text);
}

// "D", a sign, at least two digits at the end; the mantissa before it.
std::string_view RequireExponentForm(const std::string& text)
{
    const std::size_t d = text.rfind('D');
    Require(d != std::string::npos && d + 4 <= text.size() && (text[d + 1] == '+' || text[d + 1] == '-')
                && text.find_first_not_of("0123456789", d + 2) == std::string::npos,
            "exponent form ends in D, sign, digits", text);
    return std::string_view(text).substr(0, d);
}

void CheckExponent(double x, int width, int decimals, const std::string& text)
{
    const std::string_view mantissa = RequireExponentForm(text);
    if (std::fabs(x) > kExponentZero && std::min(decimals, width - kFrame) >= 1) {
        Require(mantissa.find_first_of("123456789") != std::string_view::npos, "mantissa not zero", text);
    }
}

void CheckFixed(double x, int width, int /*decimals*/, const std::string& text)
{
    if (text.find('D') == std::string::npos) {
        Require(text.size() == static_cast<std::size_t>(width), "exactly the width", text);
    } else {
        CheckExponent(x, width, width - kFrame, text);
    }
}

template <typename Check>
void Run(std::string (*format)(double, Int16, Int16), double x, int width, int decimals, Check check)
{
    try {
        const std::string text = format(x, static_cast<Int16>(width), static_cast<Int16>(decimals));
        if (std::isfinite(x)) {
            RequireWellFormed(text, static_cast<std::size_t>(width));
            check(x, width, decimals, text);
        }
    } catch (const ArithmeticFault& fault) {
        // Only the rounding's x * 10^decimals or the exponent form's 10^e can
        // pass the double range, and only for values near its top.
        Require(!std::isfinite(x) || (fault.Kind() == FaultKind::Overflow && std::fabs(x) > kOverflowFloor),
                "a finite value faults only by overflow, near the top of the range");
    }
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal::fuzz;
    const int width = ValueAt<std::uint8_t>(data, size, 0) % kMaxWidth + 1;
    const int decimals = ValueAt<std::uint8_t>(data, size, 1) % (kMaxDecimals + 1);
    const double x = ValueAt<double>(data, size, 2);
    Run(orvexal::FormatFixed, x, width, decimals, CheckFixed);
    Run(orvexal::FormatExponent, x, width, decimals, CheckExponent);
    return 0;
}
