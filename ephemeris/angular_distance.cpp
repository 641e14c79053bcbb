#include "ephemeris/angular_distance.h"

#include <cmath>

namespace orvexal {

double AngularDistance(EquatorialPlace a, EquatorialPlace b)
{
    const double dRa = b.rightAscension - a.rightAscension;
    const double sinA = std::sin(a.declination);
    const double cosA = std::cos(a.declination);
    const double sinB = std::sin(b.declination);
    const double cosB = std::cos(b.declination);
    const double across = cosB * std::sin(dRa);
    const double along = cosA * sinB - sinA * cosB * std::cos(dRa);
    return std::atan2(std::hypot(across, along), sinA * sinB + cosA * cosB * std::cos(dRa));
}

}  // namespace orvexal
