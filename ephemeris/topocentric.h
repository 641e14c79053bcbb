// A nearby body seen from a place on the Earth's surface: the shift of its
// place by the observer's parallax, and its altitude.
//
// Meeus, Astronomical Algorithms, 2nd ed. 1998, ch. 40 (eqs. 40.2 and
// 40.3, here in their equivalent vector form), with the observer's
// geocentric place rho sin phi', rho cos phi' on the IAU 1976 ellipsoid at
// sea level (ch. 11), and the altitude of eq. 13.6 over the geodetic
// horizon. The altitude is geometric: no atmospheric refraction, which
// would raise a body on the horizon by about 34'.
#pragma once

#include "astro/sky_place.h"

namespace orvexal {


// A body's place seen from the observer: right ascension and declination
// (radians) referred to the same equator and equinox as the geocentric
// place, the distance from the observer (km) and the altitude above the
// horizon (radians).
struct TopocentricPlace {
    EquatorialPlace equatorial;
    double distanceKm = 0;
    double altitude = 0;
};

// The topocentric place of a body at geocentric place `body`, for an
// observer and the Greenwich sidereal time (radians) that matches the
// body's equinox: apparent sidereal time for apparent places.
TopocentricPlace TopocentricFromGeocentric(GeocentricPlace body, Observer observer,
                                           double greenwichSiderealTime);

}  // namespace orvexal
