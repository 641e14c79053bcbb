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

// The same two conversions as the twilight searches carry them, with the
// guard of 1e-7 added before the minutes are scaled instead of after: the
// decimal value of a packed number (as ParsePacked's decimal for seconds
// below 60), and a decimal value packed in single precision, where a value
// 6e-6 minutes short of a whole minute counts as that minute with a tiny
// negative seconds part (2.0166666 h gives 2.01, PackDecimal 2.006).
double PackedToDecimal(double packed);
float DecimalToPacked(double value);

// The sign of a value as -1, 0 or +1.
Int16 SignOf(double value);

}  // namespace orvexal
