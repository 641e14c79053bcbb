// The packed sexagesimal notation of angles, times and dates.
//
// A packed value ±W.MMSSs… carries the whole units (degrees, hours or years)
// before the point, then two digits of minutes (or the month), two of seconds
// (or the day) and fractions of a second after it: 20.4058 is 20° 40′ 58″,
// 1990.0809 is 1990 August 9. Minutes and seconds are taken as they stand, so
// 20.75 reads as 20 units and 75 minutes.
#pragma once

#include "numbers/fault.h"

namespace orvexal {

// A packed value taken apart.
struct PackedParts {
    double decimal = 0;  // whole units, sign applied
    Int16 whole = 0;     // whole units, >= 0
    Int16 minutes = 0;   // >= 0
    float seconds = 0;   // >= 0 apart from rounding noise
    Int16 sign = 0;      // -1, 0 or +1
};

// Takes a packed value of any sign apart. A whole part of 32768 or more is a
// 16-bit overflow.
PackedParts ParsePacked(double value);

// Packs a decimal value (degrees, hours) of any sign into the packed
// notation, in single precision. Seconds are not rounded: 20.99999 packs to
// 20.5959968 (59.964 s). A value less than 1e-7 below a whole number packs to
// that whole number.
float PackDecimal(double value);

// The sign of a value as -1, 0 or +1.
Int16 SignOf(double value);

}  // namespace orvexal
