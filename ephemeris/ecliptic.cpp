#include "ephemeris/ecliptic.h"
#include "astro/angles.h"

#include <cmath>

namespace orvexal {

EquatorialPlace EquatorialFromEcliptic(EclipticPlace place, double obliquity)
{
    const double sinLon = std::sin(place.longitude);
    const double cosLon = std::cos(place.longitude);
    const double sinLat = std::sin(place.latitude);
    const double cosLat = std::cos(place.latitude);
    const double sinEps = std::sin(obliquity);
    const double cosEps = std::cos(obliquity);
    const double ra = WrapToPeriod(std::atan2(sinLon * cosEps * cosLat - sinLat * sinEps, cosLon * cosLat),
                                   kRadiansPerTurn);
    const double dec = std::asin(sinLat * cosEps + cosLat * sinEps * sinLon);
    return {ra, dec};
}

}  // namespace orvexal
