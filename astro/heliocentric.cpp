#include "astro/heliocentric.h"

#include <cmath>

#include "numbers/units.h"

namespace orvexal {
namespace {

constexpr double kDailyMotion = 0.985647332;  // degrees per day since January 1.0

// Earth's X (toward the vernal equinox) and Y, light-minutes: amplitude and
// phase (degrees) of the t and 2t terms, and the constant term.
constexpr double kXAmplitude = 8.30487;
constexpr double kXPhase = 259.6;
constexpr double kX2Amplitude = 0.06526;
constexpr double kX2Phase = 266.544;
constexpr double kXOffset = 0.0475;
constexpr double kYAmplitude = 8.307597;
constexpr double kYPhase = -10.4246;
constexpr double kY2Amplitude = 0.0662811;
constexpr double kY2Phase = -6.06585;
constexpr double kYOffset = -0.2;

// Cosine and sine of the obliquity of the ecliptic.
constexpr double kCosObliquity = 0.91744242;
constexpr double kSinObliquity = 0.39786857;

}  // namespace

double HeliocentricCorrection(double jd, double yearStart, EquatorialPlace place)
{
    const double newRa = place.rightAscension;
    const double newDec = place.declination;
    const double t = (jd - yearStart) * kDailyMotion;
    const double x = (kXAmplitude * std::cos((t - kXPhase) / kDegreesPerRadian)
                      + kX2Amplitude * std::cos((2 * t - kX2Phase) / kDegreesPerRadian))
                     + kXOffset;
    const double y = (kYAmplitude * std::cos((t - kYPhase) / kDegreesPerRadian)
                      + kY2Amplitude * std::cos((2 * t - kY2Phase) / kDegreesPerRadian))
                     + kYOffset;
    const double u = std::cos(newDec) * kCosObliquity * std::sin(newRa)
                     + std::sin(newDec) * kSinObliquity;
    return (y * u + (x * std::cos(newDec)) * std::cos(newRa)) / kMinutesPerDay;
}

}  // namespace orvexal
