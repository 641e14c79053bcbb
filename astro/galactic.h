// Galactic coordinates from equatorial coordinates of equinox 2000.0 by one
// fixed rotation. The matrix rests on the galactic pole and centre of the
// Observer's Handbook (1990), p. 16, to seven figures, whose pole and
// centre lie 5.9' and 5.8' from the standard ones: against astropy the
// latitude is typically 4.1' off and at worst 5.9', the longitude at most
// 6.5' on the sky (README, Accuracy).
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// Galactic longitude l (0 up to 6.28318530717918) and latitude b
// (-pi/2..+pi/2), radians.
struct GalacticPlace {
    double l = 0;
    double b = 0;
};

// The galactic place of a place of equinox 2000.0, radians. The galactic
// centre comes out just above 0; southern latitudes negative.
GalacticPlace GalacticCoordinates(EquatorialPlace place);

}  // namespace orvexal
