#include "ephemeris/nutation.h"
#include "numbers/units.h"

#include <cmath>

namespace orvexal {
namespace {

// Meeus, ch. 22: the mean longitudes of the Sun (L) and the Moon (L') and
// the longitude of the Moon's mean ascending node (Omega); degrees and
// degrees per century^n.
constexpr double kSunLongitude[] = {280.4665, 36000.7698};
constexpr double kMoonLongitude[] = {218.3165, 481267.8813};
constexpr double kNodeLongitude[] = {125.04452, -1934.136261, 0.0020708, 1.0 / 450000};

// Eq. 22.2, arcseconds and arcseconds per century^n (23 26' 21.448").
constexpr double kMeanObliquity[] = {84381.448, -46.8150, -0.00059, 0.001813};

}  // namespace

Nutation NutationAt(double jdTt)
{
    const double t = (jdTt - kJ2000) / kDaysPerCentury;
    const double sun = (kSunLongitude[0] + kSunLongitude[1] * t) * kRadiansPerDegree;
    const double moon = (kMoonLongitude[0] + kMoonLongitude[1] * t) * kRadiansPerDegree;
    const double node = (kNodeLongitude[0]
                         + t * (kNodeLongitude[1] + t * (kNodeLongitude[2] + t * kNodeLongitude[3])))
                        * kRadiansPerDegree;
    // Arcseconds, the four terms of the short series.
    const double psi = -17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon)
                       + 0.21 * std::sin(2 * node);
    const double eps = 9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) + 0.10 * std::cos(2 * moon)
                       - 0.09 * std::cos(2 * node);
    const double eps0 = kMeanObliquity[0]
                        + t * (kMeanObliquity[1] + t * (kMeanObliquity[2] + t * kMeanObliquity[3]));
    return {psi * kRadiansPerArcsecond, eps * kRadiansPerArcsecond, eps0 * kRadiansPerArcsecond};
}

}  // namespace orvexal
