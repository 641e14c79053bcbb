// Local mean sidereal time.
//
// IAU 1982 expression for Greenwich mean sidereal time at 0h UT (Astronomical
// Ephemeris 1986, p. 86); the equation of the equinoxes is not applied.
#pragma once

namespace orvexal {

// Local mean sidereal time in hours for a JD (universal time) and a longitude
// in decimal degrees, positive to the west. The result is rounded to single
// precision as the last step. Within +-180 degrees of longitude it lies in
// 0..24. jd 2451545.0 at longitude 0 gives 18.697374557870 h before rounding.
float LocalSiderealTime(double jd, double longitude);

}  // namespace orvexal
