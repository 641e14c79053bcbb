// Local mean sidereal time.
//
// IAU 1982 expression for Greenwich mean sidereal time at 0h UT (Astronomical
// Ephemeris 1986, p. 86); the equation of the equinoxes is not applied.
#pragma once

#include "numbers/units.h"

namespace orvexal {

// Local mean sidereal time in hours for a JD (universal time) and a longitude
// in decimal degrees, positive to the west. The result is rounded to single
// precision as the last step. Within +-180 degrees of longitude it lies in
// 0..24. jd 2451545.0 at longitude 0 gives 18.697374557870 h before rounding.
float LocalSiderealTime(double jd, double longitudeWestDeg);

// The civil day (universal time) holding a JD, from 0h UT, and Greenwich
// mean sidereal time at its start in hours, not reduced to 0..24. Searches
// over a few hours keep it from one instant to the next.
struct SiderealDay {
    double start;         // JD of 0h UT
    double gmstAtStart;   // hours
};
SiderealDay SiderealDayOf(double jd);

// The same, `known` itself when it is the day holding jd.
SiderealDay SiderealDayOf(double jd, const SiderealDay& known);

// LocalSiderealTime for an instant of that day and a longitude already in
// hours (degrees / 15): the same value to the last bit.
float LocalSiderealTime(const SiderealDay& day, double jd, double longitudeHours);

}  // namespace orvexal
