// The illuminated fraction of the disk of a body lit by the Sun.
//
// Meeus, Astronomical Algorithms, 2nd ed. 1998, ch. 48: the elongation psi
// of the body from the Sun seen from the Earth (eq. 48.2), the phase angle
// i at the body between the Sun and the Earth (eq. 48.3), and
// k = (1 + cos i) / 2 (eq. 48.1).
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// The fraction k, 0 (new) to 1 (full), of the disk of a body at geocentric
// place `body` that the Sun at geocentric place `sun` lights, both referred
// to the same equator and equinox.
double IlluminatedFraction(GeocentricPlace body, GeocentricPlace sun);

}  // namespace orvexal
