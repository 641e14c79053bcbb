#include "numbers/fixed_format.h"

#include <algorithm>
#include <cmath>

#include "numbers/number_text.h"

namespace orvexal {
namespace {

// At or below this magnitude the exponent form shows a zero mantissa.
constexpr double kExponentZero = 1e-16;

// Width of the exponent form's frame: sign position, point, "D", exponent
// sign and two digits.
constexpr int kExponentFrame = 6;

std::string Blanks(long long count)
{
    return count > 0 ? std::string(static_cast<std::size_t>(count), ' ') : std::string();
}

}  // namespace

std::string FormatFixed(double x, Int16 width, Int16 decimals)
{
    std::string s = GeneralTextNoSmallExponent(x);
    const auto point = s.find('.');
    long long frac = point == std::string::npos ? -1 : static_cast<long long>(s.size() - point - 1);
    if (frac < 0) {
        s += '.';
        frac = 0;
    }
    if (frac < decimals) {
        s += std::string(static_cast<std::size_t>(decimals - frac), '0');
    } else {
        // Rounding a value near the top of the double range can pass it.
        const double p = std::pow(10.0, decimals);
        s = GeneralTextNoSmallExponent(FiniteValue(std::floor(x * p + 0.5)) / p);
    }
    const long long diff = width - static_cast<long long>(s.size());
    if (diff >= 0) {
        return Blanks(diff) + s;
    }
    if (-diff < decimals + 1) {
        return FirstChars(s, static_cast<std::size_t>(width));
    }
    return FormatExponent(x, width, Narrow16(width - kExponentFrame));
}

std::string FormatExponent(double x, Int16 width, Int16 decimals)
{
    if (decimals > width - kExponentFrame) {
        decimals = Narrow16(width - kExponentFrame);
    }
    // A width below the frame leaves no decimals (and no negative count).
    decimals = std::max<Int16>(decimals, 0);
    std::string s;
    if (std::fabs(x) <= kExponentZero) {
        s = "." + std::string(static_cast<std::size_t>(decimals), '0') + "D+00";
    } else {
        const Int16 e = ToInt16(std::floor(std::log(std::fabs(x)) / std::log(10.0)) + 1);
        // 10^e passes the double range for the largest values (e = 309).
        const double m = x / FiniteValue(std::pow(10.0, e));
        const Int16 mantissaWidth = Narrow16(decimals + 2);
        s = FormatFixed(m, mantissaWidth, decimals) + (e < 0 ? "D-" : "D+")
            + PadLeft(Narrow16(std::abs(e)), 2, "0");
    }
    return Blanks(width - static_cast<long long>(s.size())) + s;
}

std::string PadLeft(Int16 n, Int16 width, const std::string& pad)
{
    std::string s = PlainText(n);
    const long long times = width - static_cast<long long>(s.size());
    for (long long i = 0; i < times; ++i) {
        s = pad + s;
    }
    return s;
}

}  // namespace orvexal
