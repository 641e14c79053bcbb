// Horizon coordinates and air mass of the target for the observer.
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

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
// Above a true altitude of about 4 degrees the refraction and air mass are
// the tan-series and secant-series of the classical tables; nearer the
// horizon Saemundsson's refraction and Young's air mass, which hold down to
// it. Below the horizon no refraction is added and the air mass is 1 / cos z,
// negative. The azimuth of a target exactly at the zenith is shown as 0.
void HorizonCoordinates(double lstHours, EquatorialPlace place, double latitudeNorthDeg, HorizonSink& sink);

// The four results of the same computation together.
struct HorizonPlace {
    double hourAngle = 0;  // degrees west of the meridian, not reduced
    double airMass = 0;    // atmospheres
    double altitude = 0;   // apparent, degrees
    double azimuth = 0;    // degrees from north through east
};

// For a place given in radians, the sidereal time in hours and the latitude
// in degrees.
HorizonPlace HorizonPlaceOf(double lstHours, EquatorialPlace place, double latitudeNorthDeg);

// The true altitude, degrees, at which the same rules give a target the
// apparent altitude a: the least true altitude whose apparent altitude is
// at least a (the apparent altitude never falls as the true one rises, and
// jumps by the refraction where a target comes into sight). 0 gives about
// -0.57: a target that far below the horizon is refracted onto it.
double TrueAltitudeOfApparent(double apparentDeg);

}  // namespace orvexal
