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
#include "numbers/fault.h"
#include "pass/clock.h"
#include "pass/fields.h"
#include "pass/inputs.h"

namespace orvexal {

// The Sun's place of the last pass as its fields show it, packed H.MMSS and
// D.MMSS in single precision: kept from one pass to the next, the place at
// which the twilight searches hold the Sun.
struct SunPlace {
    float SunRA = 0;
    float SunDec = 0;
};

// The computations of a pass, in the order it runs them.
enum class Computation {
    ReadingInputs,
    JulianDate,
    EpochOfDate,
    Precession,
    HeliocentricCorrection,
    SiderealTime,
    HorizonCoordinates,
    Constellation,
    GalacticCoordinates,
    SunPlace,
    Twilight,
};

// "the precession to the new epoch": what a computation is called in a
// message that it stopped.
const char* ComputationName(Computation computation);

// How a pass ended on an arithmetic fault: the fault and the computation it
// stopped.
struct PassFault {
    FaultKind kind;
    Computation computation;
};

// What a completed pass read and worked out that the night needs: the
// observation, the new epoch (the epoch of the date when it was typed as
// 0), the target's place at it (radians) and the JD (universal time) of the
// midnight of the observing night that holds the instant.
struct ObservedPass {
    Observation observation;
    double newEpoch = 0;
    EquatorialPlace newPlace;
    double nightMidnight = 0;
};

// Runs one pass over the field texts. The clock is read only when the date
// field is 0. On an arithmetic fault the pass ends at the failing step and
// says where: fields already written keep their new texts, fields not
// reached keep theirs. SunRA and SunDec are those of the last pass that got
// as far as the Sun.
std::optional<PassFault> CalculatePass(FieldTexts& fields, const ConstellationTables& constellations,
                                       SunPlace& sun, const Clock& clock);

// The same, handing back what a completed pass read and worked out (left
// as it was when the pass ends on a fault).
std::optional<PassFault> CalculatePass(FieldTexts& fields, const ConstellationTables& constellations,
                                       SunPlace& sun, const Clock& clock, ObservedPass& observed);

}  // namespace orvexal
