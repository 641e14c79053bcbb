#include "ephemeris/topocentric.h"
#include "numbers/units.h"
#include "astro/angles.h"

#include <cmath>

namespace orvexal {
namespace {

// IAU 1976 reference ellipsoid (Meeus, ch. 11): equatorial radius, km, and
// the ratio of the polar to the equatorial radius, 1 - 1/298.257.
constexpr double kEarthRadiusKm = 6378.14;
constexpr double kPolarRatio = 0.99664719;

}  // namespace

TopocentricPlace TopocentricFromGeocentric(GeocentricPlace body, Observer observer,
                                           double greenwichSiderealTime)
{
    const double latitude = observer.latitudeNorthDeg * kRadiansPerDegree;
    const double hourAngle =
        greenwichSiderealTime - observer.longitudeWestDeg * kRadiansPerDegree - body.equatorial.rightAscension;

    // The observer's place in the equatorial frame that turns with the
    // Earth (x toward the meridian, y toward the west, z toward the
    // pole), in units of the body's geocentric distance.
    const double u = std::atan2(kPolarRatio * std::sin(latitude), std::cos(latitude));
    const double sinParallax = kEarthRadiusKm / body.distanceKm;
    const double observerX = std::cos(u) * sinParallax;               // rho cos phi' sin pi
    const double observerZ = kPolarRatio * std::sin(u) * sinParallax;  // rho sin phi' sin pi

    // The body seen from the observer.
    const double cosDec = std::cos(body.equatorial.declination);
    const double x = cosDec * std::cos(hourAngle) - observerX;
    const double y = cosDec * std::sin(hourAngle);
    const double z = std::sin(body.equatorial.declination) - observerZ;
    const double topocentricHourAngle = std::atan2(y, x);
    const double declination = std::atan2(z, std::hypot(x, y));

    const double rightAscension =
        WrapToPeriod(body.equatorial.rightAscension + (hourAngle - topocentricHourAngle), kRadiansPerTurn);
    const double altitude = std::asin(std::sin(latitude) * std::sin(declination)
                                      + std::cos(latitude) * std::cos(declination) * std::cos(topocentricHourAngle));
    return {{rightAscension, declination}, body.distanceKm * std::sqrt(x * x + y * y + z * z), altitude};
}

}  // namespace orvexal
