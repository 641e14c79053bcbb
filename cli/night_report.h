// The night of one calculation, for an observer to read: a summary (the
// calculation, dusk and dawn, the Moon, the target's meridian crossing and
// its highest point), then the samples in fixed-width columns under a line
// naming each column with its unit.
#pragma once

#include <string>

#include "night/track.h"

namespace orvexal {

// Local times show as the clock reads them (HH:MM) and as the track's local
// hours, counted from the evening's midnight (night/track.h).
std::string NightText(const NightInputs& inputs, const NightTrack& track, double stepMinutes);

}  // namespace orvexal
