#include "astro/apparent_sidereal_time.h"
#include "numbers/units.h"

#include <cmath>
#include <numbers>

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
    double apparent = mean + nutation.inLongitude * std::cos(nutation.TrueObliquity());
    apparent = std::fmod(apparent, 2 * std::numbers::pi);
    if (apparent < 0) {
        apparent += 2 * std::numbers::pi;
    }
    return apparent;
}

}  // namespace orvexal
