#include "night/sky.h"

#include <cmath>

#include "ephemeris/apparent_sidereal_time.h"
#include "ephemeris/delta_t.h"
#include "ephemeris/moon.h"
#include "ephemeris/nutation.h"
#include "astro/sidereal_time.h"
#include "ephemeris/apparent_sun.h"
#include "night/inputs.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

double GreenwichSiderealTime(double jd)
{
    return GreenwichApparentSiderealTime(jd, NutationAt(TerrestrialTime(jd)));
}

double SunAltitude(double jd, double gast, Observer site)
{
    return TopocentricFromGeocentric(SunApparentPlace(jd), site, gast).altitude / kRadiansPerDegree;
}

}  // namespace

SkyInstant SkyInstantAt(double jd, Observer site)
{
    const double gast = GreenwichSiderealTime(jd);
    const TopocentricPlace moon = TopocentricFromGeocentric(MoonApparentPlace(jd), site, gast);
    SkyInstant sky;
    sky.jd = jd;
    sky.lstHours = LocalSiderealTime(jd, site.longitudeWestDeg);
    sky.sunAltitude = SunAltitude(jd, gast, site);
    sky.moon = moon.equatorial;
    sky.moonAltitude = moon.altitude / kRadiansPerDegree;
    sky.moonHorizon = -(kHorizonRefraction + std::asin(kMoonRadiusKm / moon.distanceKm) / kRadiansPerDegree);
    return sky;
}

double SunAltitudeAt(double jd, Observer site)
{
    return SunAltitude(jd, GreenwichSiderealTime(jd), site);
}

NightSky SampleNightSky(Observer site, double localMidnight)
{
    const auto steps = static_cast<int>(std::lround((kNightEndHours - kNightStartHours) * kMinutesPerHour
                                                    / kSkyStepMinutes));
    NightSky sky{site, localMidnight, {}};
    sky.samples.reserve(static_cast<std::size_t>(steps) + 1);
    for (int k = 0; k <= steps; ++k) {
        const double hours = kNightStartHours + k * kSkyStepMinutes / kMinutesPerHour;
        sky.samples.push_back(SkyInstantAt(JdOfNightHours(localMidnight, hours), site));
    }
    return sky;
}

}  // namespace orvexal
