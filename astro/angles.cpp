#include "astro/angles.h"

#include <cmath>

namespace orvexal {
namespace {

// Below this magnitude the arccosine is taken as exactly a right angle.
constexpr double kArcCosineNearZero = 1e-8;

// Below 2^52 every whole number is a multiple of a double's last place.
constexpr double kWholeNumbersExact = 4503599627370496.0;

// std::fmod(x, period): the exact remainder, with the sign of x. For a
// whole-number period (24 h, 360 degrees) and |x| below 2^52 it is worked
// with a division instead of fmod's long one: q = floor(|x| / period) is
// the whole quotient or one more; |x| - q period is then exact (a multiple of
// the last place of |x|, smaller than |x|), and so is adding the period back
// when it came out below zero.
double TruncatedRemainder(double x, double period)
{
    const double magnitude = std::fabs(x);
    if (period < 1 || period != std::trunc(period) || magnitude >= kWholeNumbersExact) {
        return std::fmod(x, period);
    }
    double r = magnitude - std::floor(magnitude / period) * period;
    if (r < 0) {
        r += period;
    }
    return std::copysign(r, x);
}

}  // namespace

double QuadrantAngle(double x, double y, const Turn& turn)
{
    if (x == 0 && y == 0) {
        return 0;
    }
    double t = x == 0 ? std::copysign(kHalfPi, y) : std::atan(y / x);
    if (x < 0) {
        t = t + turn.half;
    }
    if (t < 0) {
        t = t + turn.full;
    }
    return t;
}

double WrapToPeriod(double x, double period)
{
    const double r = TruncatedRemainder(x, period);
    return r < 0 ? r + period : r + 0.0;
}

double ArcSine(double x)
{
    if (std::fabs(x) >= 1) {
        return std::copysign(kHalfPi, x);
    }
    const double s = std::sqrt(1 - std::pow(x, 2.0));
    return std::atan(x / s);
}

double ArcCosine(double x)
{
    if (std::fabs(x) < kArcCosineNearZero) {
        return kHalfPiTenDecimals;
    }
    if (std::fabs(x) >= 1) {
        return x > 0 ? 0 : kPiTenDecimals;
    }
    double t = std::atan(std::sqrt(1 - x * x) / x);
    if (t < 0) {
        t = t + kPiTenDecimals;
    }
    return t;
}

}  // namespace orvexal
