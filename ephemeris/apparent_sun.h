// The Sun's apparent geocentric place to about 0.01 degree.
//
// Meeus, Astronomical Algorithms, 2nd ed. 1998, ch. 25, the lower-accuracy
// method: the geometric mean longitude and mean anomaly, the equation of
// the centre and the radius vector of the Earth's orbit, then nutation
// (ch. 22) and the annual aberration -20.4898"/R for the apparent
// longitude. Referred to the true equator and equinox of date. The
// calculation pass keeps its own single-precision Sun (sun.h).
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// The Sun on the Earth's orbit at an instant: its geometric (true) ecliptic
// longitude, radians, mean equinox of date, its distance in AU and the
// orbit's eccentricity, for a JD on the Terrestrial Time scale.
struct SunOrbit {
    double trueLongitude = 0;
    double radiusAu = 0;
    double eccentricity = 0;
};
SunOrbit SunOrbitAt(double jdTt);

// The Sun's apparent right ascension and declination (radians) and its
// distance (km) for a JD on the universal-time scale.
GeocentricPlace SunApparentPlace(double jdUt);

}  // namespace orvexal
