// The night of one calculation, for an observer to read: a summary (the
// calculation; the night's almanac: the Sun's, the Moon's and the target's
// events, the Moon's phase, the dark hours, the local sidereal time at
// midnight), then the samples in fixed-width columns under a line naming
// each column with its unit.
#pragma once

#include <string>

#include "night/track.h"

namespace orvexal {

// Local times show as the clock reads them (HH:MM) and as the night's
// hours, counted from the midnight before the evening (night/inputs.h);
// "none" where an event does not happen in the night, noon to noon.
std::string NightText(const NightInputs& inputs, const NightTrack& track, double stepMinutes);

// The summary's lines of the Sun (sunset, the twilights, dusk and dawn at
// twilightDeg, sunrise), of the Moon (rise and set, phase, dark hours
// without it) and of the local mean sidereal time at midnight, hours.
std::string SunLines(double twilightDeg, const SunAlmanac& sun);
std::string MoonLines(const MoonAlmanac& moon);
std::string LstAtMidnightLine(double siderealAtMidnight);

}  // namespace orvexal
