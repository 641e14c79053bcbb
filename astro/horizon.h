// Horizon coordinates and air mass of the target for the observer.
#pragma once

namespace orvexal {

struct HorizonPlace {
    double hourAngle = 0;  // degrees west of the meridian, not reduced (-360..+360)
    double airMass = 0;    // atmospheres; negative below the horizon
    double altitude = 0;   // apparent altitude, degrees, refraction allowed for
    double azimuth = 0;    // degrees from north through east, 0..360
};

// What the pass writes after each step of the horizon computation, in the
// order of the steps: hour angle, air mass, altitude, azimuth.
class HorizonSink {
public:
    virtual ~HorizonSink() = default;
    virtual void HourAngle(double degrees) = 0;
    virtual void AirMass(double atmospheres) = 0;
    virtual void Altitude(double degrees) = 0;
    virtual void Azimuth(double degrees) = 0;
};

// Hour angle, air mass, apparent altitude and azimuth from the local sidereal
// time (hours), the target's place (radians) and the latitude (decimal
// degrees, positive north). Each result is handed to the sink as soon as it
// is computed, so a fault in a later step leaves the earlier ones shown.
// A target exactly on the horizon (air mass) or exactly at the zenith
// (azimuth) is a division by zero.
void HorizonCoordinates(double lst, double newRa, double newDec, double latitude,
                        HorizonSink& sink);

}  // namespace orvexal
