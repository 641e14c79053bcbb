#include "ephemeris/illuminated_fraction.h"

#include <cmath>

#include "ephemeris/angular_distance.h"

namespace orvexal {

double IlluminatedFraction(GeocentricPlace body, GeocentricPlace sun)
{
    const double elongation = AngularDistance(sun.equatorial, body.equatorial);
    const double phaseAngle = std::atan2(sun.distanceKm * std::sin(elongation),
                                         body.distanceKm - sun.distanceKm * std::cos(elongation));
    return (1 + std::cos(phaseAngle)) / 2;
}

}  // namespace orvexal
