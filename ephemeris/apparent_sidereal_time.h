// Greenwich apparent sidereal time in double precision.
//
// Mean sidereal time from the IAU 1982 expression (Meeus, Astronomical
// Algorithms, 2nd ed. 1998, eq. 12.4, UT1 taken as UT), plus the equation
// of the equinoxes, delta psi cos epsilon (ch. 12), so that it measures the
// hour angle of places referred to the true equinox of date. This is the
// sidereal time for apparent places such as the Moon's; the calculation
// pass keeps its own single-precision mean local sidereal time.
#pragma once

#include "ephemeris/nutation.h"

namespace orvexal {

// Greenwich apparent sidereal time in radians, 0 up to 2 pi, for a JD on
// the universal-time scale and the nutation of that instant.
double GreenwichApparentSiderealTime(double jdUt, const Nutation& nutation);

}  // namespace orvexal
