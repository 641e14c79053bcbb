#include "astro/angles.h"

#include <cmath>

namespace orvexal {
namespace {

// Below this magnitude the arccosine is taken as exactly a right angle.
constexpr double kArcCosineNearZero = 1e-8;

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
    const double r = std::fmod(x, period);
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
