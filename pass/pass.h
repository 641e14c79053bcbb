// The calculation pass behind "Calculate".
//
// A pass reads the input fields, rewrites them in normalised form, and writes
// every result into its field right after computing it: Julian Date, epoch
// of date, precessed place, heliocentric correction, sidereal time, hour
// angle, air mass, altitude, azimuth, constellation, galactic coordinates,
// the Sun's place, dusk and dawn.
#pragma once

#include <optional>

#include "astro/constellation.h"
#include "astro/sun.h"
#include "numbers/fault.h"
#include "pass/clock.h"
#include "pass/fields.h"

namespace orvexal {

// Runs one pass over the field texts. The clock is read only when the date
// field is 0. On an arithmetic fault the pass ends at the failing step and
// returns its kind: fields already written keep their new texts, fields not
// reached keep theirs. SunRA and SunDec are those of the last pass that got
// as far as the Sun.
std::optional<FaultKind> CalculatePass(FieldTexts& fields, const ConstellationTables& constellations,
                                       SunPlace& sun, const Clock& clock);

}  // namespace orvexal
