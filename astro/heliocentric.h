// Heliocentric correction: days to add to a Julian Date to obtain the
// heliocentric Julian Date (light time to the centre of the Sun).
//
// The Earth's heliocentric ecliptic coordinates come from two short cosine
// series in the day of the year, fitted to tabulated corrections (Manual for
// Photoelectric Photometry, 1967, p. 8). The fit repeats every year: against
// astropy's light time to the Sun's centre it is typically 0.00001 days off,
// at worst 0.00006 (README, Accuracy).
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// Correction in days for the observation's JD, the JD of 0h UT on January 1
// of its year, and the target's place (radians): HJD = jd + correction.
double HeliocentricCorrection(double jd, double yearStart, EquatorialPlace place);

}  // namespace orvexal
