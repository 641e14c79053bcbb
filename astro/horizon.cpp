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

// True altitudes, degrees, below which the series above give way to
// formulas that hold down to the horizon; each is where the two curves meet,
// so the results stay continuous.
constexpr double kSeriesRefractionFloor = 4.37;
constexpr double kSeriesAirMassFloor = 4.04;

// Saemundsson's refraction for 1010 hPa and 10 deg C (Sky & Telescope 72,
// 70, 1986): R = 1.02 / tan(h + 10.3 / (h + 5.11)) arcminutes, h the true
// altitude in degrees. Used only above a true altitude of -1 degree.
constexpr double kSaemundssonScale = 1.02;
constexpr double kSaemundssonLift = 10.3;
constexpr double kSaemundssonOffset = 5.11;
constexpr double kSaemundssonFloor = -1;
constexpr double kArcminutesPerDegree = 60;

// Young's air mass for the true zenith distance (Applied Optics 33, 1108,
// 1994): a ratio of polynomials in q = cos z, finite down to the horizon.
constexpr double kYoungN2 = 1.002432;
constexpr double kYoungN1 = 0.148386;
constexpr double kYoungN0 = 0.0096467;
constexpr double kYoungD2 = 0.149864;
constexpr double kYoungD1 = 0.0102963;
constexpr double kYoungD0 = 0.000303978;

double SeriesAirMass(double q)
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

double YoungAirMass(double q)
{
    return ((kYoungN2 * q + kYoungN1) * q + kYoungN0)
           / (((q + kYoungD2) * q + kYoungD1) * q + kYoungD0);
}

// Apparent altitude, degrees, from the zenith distance z (radians) and the
// true altitude h (degrees). A target refracted to below the horizon, or
// more than a degree below it, is out of sight and shown at its true
// altitude, so the apparent altitude never falls as the true one rises and
// is negative exactly when the target cannot be seen.
double ApparentAltitude(double z, double h)
{
    if (h >= kSeriesRefractionFloor) {
        return 90 - RefractedZenithDistance(z) * kDegreesPerRadian;
    }
    if (h <= kSaemundssonFloor) {
        return h;
    }
    const double lifted = (h + kSaemundssonLift / (h + kSaemundssonOffset)) / kDegreesPerRadian;
    const double a = h + kSaemundssonScale / std::tan(lifted) / kArcminutesPerDegree;
    return a < 0 ? h : a;
}

// Air mass from q = cos z, the true altitude h and the apparent altitude a
// (degrees); negative, as 1 / q, for a target below the horizon.
double AirMassOf(double q, double h, double a)
{
    if (h >= kSeriesAirMassFloor) {
        return SeriesAirMass(q);
    }
    return a >= 0 ? YoungAirMass(q) : Quotient(1, q);
}

// Azimuth, degrees from north through east, from the unrefracted zenith
// distance; at the exact zenith it is undefined and shown as 0.
double AzimuthOf(double hourAngle, double newDec, double phi, double z)
{
    const double divisor = std::sin(z) * std::cos(phi);
    if (divisor == 0) {
        return 0;
    }
    double a = ArcCosine(Quotient(std::sin(newDec) - std::cos(z) * std::sin(phi), divisor));
    if (std::sin(hourAngle / kDegreesPerRadian) > 0) {
        a = kAzimuthFullTurn - a;  // west of the meridian
    }
    return a * kDegreesPerRadian;
}

}  // namespace

void HorizonCoordinates(double lstHours, EquatorialPlace place, double latitudeNorthDeg, HorizonSink& sink)
{
    const double newDec = place.declination;
    const double phi = latitudeNorthDeg / kDegreesPerRadian;
    const double h = lstHours * kDegreesPerHour - place.rightAscension * kDegreesPerRadian;
    sink.HourAngle(h);

    const double q = std::sin(phi) * std::sin(newDec)
                     + std::cos(newDec) * std::cos(phi) * std::cos(h / kDegreesPerRadian);
    const double z = ArcCosine(q);
    const double trueAltitude = 90 - z * kDegreesPerRadian;
    const double altitude = ApparentAltitude(z, trueAltitude);
    sink.AirMass(AirMassOf(q, trueAltitude, altitude));
    sink.Altitude(altitude);
    sink.Azimuth(AzimuthOf(h, newDec, phi, z));
}

namespace {

struct HorizonValues : HorizonSink {
    HorizonPlace place;

    void HourAngle(double degrees) override { place.hourAngle = degrees; }
    void AirMass(double atmospheres) override { place.airMass = atmospheres; }
    void Altitude(double degrees) override { place.altitude = degrees; }
    void Azimuth(double degrees) override { place.azimuth = degrees; }
};

}  // namespace

double TrueAltitudeOfApparent(double apparentDeg)
{
    constexpr int kHalvings = 60;  // from 180 degrees to far below a double's step at 90
    double low = -90;
    double high = 90;
    for (int i = 0; i < kHalvings; ++i) {
        const double h = (low + high) / 2;
        (ApparentAltitude((90 - h) / kDegreesPerRadian, h) >= apparentDeg ? high : low) = h;
    }
    return high;
}

HorizonPlace HorizonPlaceOf(double lstHours, EquatorialPlace place, double latitudeNorthDeg)
{
    HorizonValues values;
    HorizonCoordinates(lstHours, place, latitudeNorthDeg, values);
    return values.place;
}

}  // namespace orvexal
