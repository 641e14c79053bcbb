#include "astro/horizon.h"

#include <cmath>

#include "astro/angles.h"
#include "numbers/fault.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Third-order correction of the secant for the air mass (refraction and the
// curvature of the atmosphere).
constexpr double kAirMass1 = 0.0018167;
constexpr double kAirMass2 = 0.002875;
constexpr double kAirMass3 = 0.0008083;

// Refraction, radians: 0.00029287 tan z - 3.243e-07 tan^3 z
// (about 60.4" tan z - 0.067" tan^3 z).
constexpr double kRefraction1 = 0.00029287;
constexpr double kRefraction3 = 3.243e-07;

// Within about 0.57 degrees of the horizon (|tan z| > 100) no refraction.
constexpr double kRefractionCutOff = 100;

// One turn, to this ten-digit value.
constexpr double kFullTurn = 6.283185307;

double AirMassOf(double q)
{
    const double s = Quotient(1, q);
    const double w = s - 1;
    return ((s - w * kAirMass1) - w * (w * kAirMass2)) - w * (w * (w * kAirMass3));
}

double RefractedZenithDistance(double z)
{
    const double t = std::tan(z);
    if (std::fabs(t) > kRefractionCutOff) {
        return z;
    }
    return (z - t * kRefraction1) + t * (t * (t * kRefraction3));
}

}  // namespace

void HorizonCoordinates(double lst, double newRa, double newDec, double latitude,
                        HorizonSink& sink)
{
    const double phi = latitude / kDegreesPerRadian;
    const double h = lst * kDegreesPerHour - newRa * kDegreesPerRadian;
    sink.HourAngle(h);

    const double q = std::sin(phi) * std::sin(newDec)
                     + std::cos(newDec) * std::cos(phi) * std::cos(h / kDegreesPerRadian);
    sink.AirMass(AirMassOf(q));

    const double z = ArcCosine(q);
    const double zApparent = RefractedZenithDistance(z);
    sink.Altitude(90 - zApparent * kDegreesPerRadian);

    const double cosA = Quotient(std::sin(newDec) - std::cos(z) * std::sin(phi),
                                 std::sin(z) * std::cos(phi));
    double a = ArcCosine(cosA);
    if (std::sin(h / kDegreesPerRadian) > 0) {
        a = kFullTurn - a;  // west of the meridian
    }
    sink.Azimuth(a * kDegreesPerRadian);
}

}  // namespace orvexal
