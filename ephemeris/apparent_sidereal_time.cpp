#include "ephemeris/apparent_sidereal_time.h"
#include "numbers/units.h"
#include "astro/angles.h"

#include <cmath>

namespace orvexal {
namespace {

// Eq. 12.4: degrees, degrees per day, per century^2 and century^3.
constexpr double kGmstAtJ2000 = 280.46061837;
constexpr double kGmstPerDay = 360.98564736629;
constexpr double kGmstT2 = 0.000387933;
constexpr double kGmstT3 = -1.0 / 38710000;

}  // namespace

double GreenwichApparentSiderealTime(double jdUt, const Nutation& nutation)
{
    const double days = jdUt - kJ2000;
    const double t = days / kDaysPerCentury;
    const double mean = std::fmod(kGmstAtJ2000 + kGmstPerDay * days + t * t * (kGmstT2 + t * kGmstT3), 360)
                        * kRadiansPerDegree;
    return WrapToPeriod(mean + nutation.inLongitude * std::cos(nutation.TrueObliquity()), kRadiansPerTurn);
}

}  // namespace orvexal
