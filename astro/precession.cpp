#include "astro/precession.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kObliquityBase = 23.452294;  // obliquity of the ecliptic at 1900.0, degrees
constexpr double kObliquityRate = 0.0130125;  // decrease of the obliquity per century, degrees
constexpr double kPrecessionPeriod = 25772;   // years for one full turn of the equinox

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

// The rotated vector r a, each component summed from the first term on;
// checked indexing, so that a wrong index throws rather than reads past the
// end (the checks fold away at these fixed bounds).
Vector Rotate(const Matrix& r, const Vector& a)
{
    Vector b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        for (std::size_t j = 0; j < a.size(); ++j) {
            b.at(i) = r.at(i).at(j) * a.at(j) + b.at(i);
        }
    }
    return b;
}

}  // namespace

EquatorialPlace Precess(double fromEpoch, EquatorialPlace place, double toEpoch)
{
    const double ra = place.rightAscension;
    const double dec = place.declination;
    const double t = (fromEpoch + toEpoch) / 200 - 19;  // mid-point, centuries from 1900.0
    const double eps = (kObliquityBase - kObliquityRate * t) / kDegreesPerRadian;
    const double psi = ((toEpoch - fromEpoch) / kPrecessionPeriod) * kPrecessionFullTurn;
    const Matrix r = EclipticPoleRotation(psi, eps);
    double a1 = std::cos(dec);
    const double a2 = a1 * std::sin(ra);
    a1 = a1 * std::cos(ra);
    const Vector a{a1, a2, std::sin(dec)};
    const Vector b = Rotate(r, a);
    return {QuadrantAngle(b[0], b[1], kPrecessionTurn), ArcSine(b[2])};
}

}  // namespace orvexal
