#include "astro/precession.h"

#include <array>
#include <cmath>

#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kObliquityBase = 23.452294;  // obliquity of the ecliptic at 1900.0, degrees
constexpr double kObliquityRate = 0.0130125;  // decrease of the obliquity per century, degrees
constexpr double kPrecessionPeriod = 25772;   // years for one full turn of the equinox
constexpr double kTurnForAngle = 6.28318531;  // radians per turn, for the precession angle
constexpr double kQuadrantPi = 3.14159265;    // added in the left half-plane (eight decimals)
constexpr double kWrapTwoPi = 6.2831853;      // added while the right ascension is negative
constexpr double kHalfPi = 1.5707963267948966;  // arctangent of an infinite argument

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

// Rotation through psi about the north pole of the ecliptic, whose
// equatorial unit vector is (0, -sin eps, cos eps).
Matrix EclipticPoleRotation(double psi, double eps)
{
    const double cp = std::cos(psi);
    const double sp = std::sin(psi);
    const double ce = std::cos(eps);
    const double se = std::sin(eps);
    return {{
        {cp, -ce * sp, -se * sp},
        {sp * ce, ce * ce * cp + se * se, ce * se * (cp - 1)},
        {sp * se, ce * se * (cp - 1), se * se * cp + ce * ce},
    }};
}

Vector Rotate(const Matrix& r, const Vector& a)
{
    Vector b{};
    for (std::size_t i = 0; i < 3; ++i) {
        b[i] = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            b[i] = r[i][j] * a[j] + b[i];
        }
    }
    return b;
}

double RightAscensionOf(const Vector& b)
{
    double ra = b[0] == 0 ? std::copysign(kHalfPi, b[1]) : std::atan(b[1] / b[0]);
    if (b[0] < 0) {
        ra += kQuadrantPi;
    }
    while (ra < 0) {
        ra += kWrapTwoPi;
    }
    return ra;
}

double DeclinationOf(const Vector& b)
{
    if (std::fabs(b[2]) >= 1) {
        return std::copysign(kHalfPi, b[2]);
    }
    return std::atan(b[2] / std::sqrt(1 - b[2] * b[2]));
}

}  // namespace

void Precess(double fromEpoch, double ra, double dec, double toEpoch, double& newRa,
             double& newDec)
{
    const double t = (fromEpoch + toEpoch) / 200 - 19;  // mid-point, centuries from 1900.0
    const double eps = (kObliquityBase - kObliquityRate * t) / kDegreesPerRadian;
    const double psi = ((toEpoch - fromEpoch) / kPrecessionPeriod) * kTurnForAngle;
    const Matrix r = EclipticPoleRotation(psi, eps);
    double a1 = std::cos(dec);
    const double a2 = a1 * std::sin(ra);
    a1 = a1 * std::cos(ra);
    const Vector a{a1, a2, std::sin(dec)};
    const Vector b = Rotate(r, a);
    newRa = RightAscensionOf(b);
    newDec = DeclinationOf(b);
}

}  // namespace orvexal
