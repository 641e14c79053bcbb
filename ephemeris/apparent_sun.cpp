#include "ephemeris/apparent_sun.h"

#include <cmath>

#include "ephemeris/delta_t.h"
#include "ephemeris/ecliptic.h"
#include "ephemeris/nutation.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kKmPerAu = 149597870.7;  // IAU 2012 astronomical unit

// Meeus, eqs. 25.2 to 25.4 and the equation of the centre: degrees,
// per century and per century^2; the eccentricity is dimensionless.
constexpr double kMeanLongitude[] = {280.46646, 36000.76983, 0.0003032};
constexpr double kMeanAnomaly[] = {357.52911, 35999.05029, -0.0001537};
constexpr double kEccentricity[] = {0.016708634, -0.000042037, -0.0000001267};
constexpr double kCentre1[] = {1.914602, -0.004817, -0.000014};  // times sin M
constexpr double kCentre2[] = {0.019993, -0.000101};             // times sin 2M
constexpr double kCentre3 = 0.000289;                            // times sin 3M
constexpr double kRadiusScale = 1.000001018;  // AU, eq. 25.5
constexpr double kAberration = 20.4898;       // arcseconds at 1 AU

// Polynomials in t by their coefficients, lowest power first; unpacked by
// name, so that no index can point past the end.
double Linear(const double (&c)[2], double t)
{
    const auto& [c0, c1] = c;
    return c0 + c1 * t;
}

double Quadratic(const double (&c)[3], double t)
{
    const auto& [c0, c1, c2] = c;
    return c0 + t * (c1 + t * c2);
}

}  // namespace

SunOrbit SunOrbitAt(double jdTt)
{
    const double t = (jdTt - kJ2000) / kDaysPerCentury;
    const double m = Quadratic(kMeanAnomaly, t) * kRadiansPerDegree;
    const double e = Quadratic(kEccentricity, t);
    const double centre = Quadratic(kCentre1, t) * std::sin(m) + Linear(kCentre2, t) * std::sin(2 * m)
                          + kCentre3 * std::sin(3 * m);
    const double trueAnomaly = m + centre * kRadiansPerDegree;
    return {(Quadratic(kMeanLongitude, t) + centre) * kRadiansPerDegree,
            kRadiusScale * (1 - e * e) / (1 + e * std::cos(trueAnomaly)), e};
}

GeocentricPlace SunApparentPlace(double jdUt)
{
    const double jdTt = TerrestrialTime(jdUt);
    const SunOrbit sun = SunOrbitAt(jdTt);
    const Nutation nutation = NutationAt(jdTt);
    const double apparentLongitude =
        sun.trueLongitude + nutation.inLongitude - kAberration / sun.radiusAu * kRadiansPerArcsecond;
    return {EquatorialFromEcliptic({apparentLongitude, 0}, nutation.TrueObliquity()), sun.radiusAu * kKmPerAu};
}

}  // namespace orvexal
