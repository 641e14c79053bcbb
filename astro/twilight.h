// Local times of dusk and dawn for a twilight defined by the Sun's altitude,
// found by bisection of the Sun's altitude over a fixed nine-hour window
// (Practical Astronomy with Your Calculator, 1979, pp. 36-37). The Sun is
// held at the place computed for the observation instant. Where the Sun does
// not cross h0 inside that window (high latitudes, deep twilights) the half
// day between its culminations is searched instead, and where it does not
// cross h0 at all that day there is no dusk or dawn.
#pragma once

#include <optional>

namespace orvexal {

// Decimal value of a packed D.MMSS or H.MMSS number. Like ParsePacked, but
// the guard goes in before the minutes are scaled.
double PackedToDecimal(double x);

// Packed form of a decimal value, single precision. Like PackDecimal, but the
// guard goes in before the minutes are scaled: 2.0166666 h gives 2.01.
float DecimalToPacked(double x);

// Degrees to radians with the twilight searches' own constant.
double DegToRad(double x);

// Local time of dawn, packed H.MMSS: the Sun rises through h0 (degrees)
// between local midnight jd0 and 09:00. longitude positive to the west,
// latitude positive north, decimal degrees; sunRA and sunDec packed.
// Outside that window the crossing after the Sun's lower culmination nearest
// jd0 (a dawn before midnight is negative). None when the Sun stays above or
// below h0 all day.
std::optional<float> DawnTime(double longitude, double latitude, double h0, double jd0, float sunRA,
                              float sunDec);

// Local time of dusk, packed H.MMSS: the Sun sinks through h0 between 16:00
// of the evening before jd0 and 01:00; a dusk after midnight is 24 or more.
// Outside that window the crossing before the Sun's lower culmination
// nearest jd0 (a dusk before 16:00 shows as such). None as for dawn.
std::optional<float> DuskTime(double longitude, double latitude, double h0, double jd0, float sunRA,
                              float sunDec);

}  // namespace orvexal
