// The Moon for tools/moon-accuracy. Reads lines "JD(UT) LONGITUDE(deg,
// west positive) LATITUDE(deg)" from standard input and writes for each
// "RA DEC DISTANCE ALTITUDE FRACTION DELTA_T LAMBDA BETA": the geocentric
// apparent place (deg) and distance (km), the topocentric altitude without
// refraction (deg), the illuminated fraction, the Delta T used (s), and the
// series' mean ecliptic longitude and latitude of date (deg).
#include <cstdio>
#include <numbers>

#include "ephemeris/delta_t.h"
#include "ephemeris/moon.h"

int main()
{
    using namespace orvexal;
    constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
    double jd = 0;
    Observer observer;
    while (std::scanf("%lf %lf %lf", &jd, &observer.longitudeWestDeg, &observer.latitudeNorthDeg) == 3) {
        const GeocentricPlace moon = MoonApparentPlace(jd);
        const EclipticPlace mean = MoonMeanEclipticPlace(TerrestrialTime(jd)).ecliptic;
        std::printf("%.9f %.9f %.6f %.9f %.9f %.6f %.9f %.9f\n", moon.equatorial.rightAscension * kDegreesPerRadian,
                    moon.equatorial.declination * kDegreesPerRadian, moon.distanceKm,
                    MoonTopocentricPlace(jd, observer).altitude * kDegreesPerRadian, MoonIlluminatedFraction(jd),
                    DeltaTSeconds(jd), mean.longitude * kDegreesPerRadian, mean.latitude * kDegreesPerRadian);
    }
    return 0;
}
