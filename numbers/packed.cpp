#include "numbers/packed.h"

#include <cmath>

namespace orvexal {
namespace {

// Keeps values such as 20.41, which a double holds as a hair less than
// 20.41, from losing a minute.
constexpr double kPackGuard = 1e-7;

}  // namespace

Int16 SignOf(double value)
{
    return value > 0 ? 1 : (value < 0 ? -1 : 0);
}

PackedParts ParsePacked(double value)
{
    PackedParts parts;
    parts.sign = SignOf(value);
    const double a = std::fabs(value);
    parts.whole = ToInt16(std::trunc(a + kPackGuard));
    parts.minutes = ToInt16(std::trunc((a - parts.whole) * 100 + kPackGuard));
    parts.seconds = static_cast<float>((a - parts.whole) * 10000 - parts.minutes * 100.0);
    parts.decimal = (parts.minutes / 60.0 + parts.whole + parts.seconds / 3600.0) * parts.sign;
    return parts;
}

float PackDecimal(double value)
{
    const Int16 sign = SignOf(value);
    const double a = std::fabs(value);
    const Int16 d = ToInt16(std::floor(a + kPackGuard));
    if (a < d) {
        // Less than the guard below a whole number: that whole number.
        return static_cast<float>(static_cast<double>(d) * sign);
    }
    const Int16 m = ToInt16(std::floor((a - d) * 60 + kPackGuard));
    const float s = static_cast<float>(((a - d) * 60 - m) * 60);
    return static_cast<float>(((s / 100.0 + m) / 100.0 + d) * sign);
}

double PackedToDecimal(double packed)
{
    const double s = SignOf(packed);
    const double a = std::fabs(packed);
    const double d = std::trunc(a + kPackGuard);
    const double m = std::trunc((a - d + kPackGuard) * 100);
    const float sec = static_cast<float>((a - d) * 10000 - m * 100);
    return s * ((m / 60 + d) + sec / 3600.0);
}

float DecimalToPacked(double value)
{
    const double s = SignOf(value);
    const double a = std::fabs(value);
    const double d = std::trunc(a + kPackGuard);
    const double m = std::trunc((a - d + kPackGuard) * 60);
    const float sec = static_cast<float>(((a - d) * 60 - m) * 60);
    return static_cast<float>(s * (d + (m + sec / 100.0) / 100));
}

}  // namespace orvexal
