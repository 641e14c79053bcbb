#include "astro/sun.h"

#include <cmath>

#include "astro/angles.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kSunEpoch = 2442412.5;        // JD of the theory's epoch
constexpr double kYearLength = 365.25;         // days per revolution of the mean Sun
constexpr double kLongitudeAtEpoch = 279.04147;  // ecliptic longitude at the epoch, degrees
constexpr double kPerigeeLongitude = 282.510396;  // ecliptic longitude of perigee, degrees
constexpr double kEccentricity = 0.01672;
constexpr double kObliquity = 23.433;          // degrees, fixed

// Steps common to both coordinates: the Sun's ecliptic longitude, degrees.
double EclipticLongitude(double jd)
{
    const double d = jd - kSunEpoch;
    const double n = WrapToPeriod((d * 360) / kYearLength, 360);
    double m = (n + kLongitudeAtEpoch) - kPerigeeLongitude;
    if (m < 0) {
        m += 360;
    }
    const double centre = ((360 / kPiTenDecimals) * kEccentricity) * std::sin(m / kSunDegreesPerRadian);
    double lambda = (n + centre) + kLongitudeAtEpoch;
    if (lambda > 360) {
        lambda -= 360;
    }
    return lambda;
}

// 1 to 4 for the quadrant of an angle in degrees, 0 outside 0..360.
int QuadrantOf(double degrees)
{
    if (degrees >= 0 && degrees < 90) {
        return 1;
    }
    if (degrees >= 90 && degrees < 180) {
        return 2;
    }
    if (degrees >= 180 && degrees < 270) {
        return 3;
    }
    if (degrees >= 270 && degrees < 360) {
        return 4;
    }
    return 0;
}

}  // namespace

double SunRightAscension(double jd)
{
    const double lambda = EclipticLongitude(jd);
    const double alphaPrime = std::atan(std::tan(lambda / kSunDegreesPerRadian)
                                        * std::cos(kObliquity / kSunDegreesPerRadian))
                              * kSunDegreesPerRadian;
    const double alpha = alphaPrime + 90 * (QuadrantOf(lambda) - QuadrantOf(alphaPrime));
    return alpha / 15;
}

double SunDeclination(double jd)
{
    const double lambda = EclipticLongitude(jd);
    const double x = std::sin(lambda / kSunDegreesPerRadian) * std::sin(kObliquity / kSunDegreesPerRadian);
    return ArcSine(x) * kSunDegreesPerRadian;
}

}  // namespace orvexal
