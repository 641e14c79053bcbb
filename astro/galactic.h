// Galactic coordinates from equatorial coordinates of equinox 2000.0 by one
// fixed rotation. The matrix rests on the galactic pole and centre of the
// Observer's Handbook (1990), p. 16; errors are below 7' in longitude and
// 4' in latitude.
#pragma once

namespace orvexal {

// Galactic longitude l (0 up to 6.28318530717918) and latitude b
// (-pi/2..+pi/2), radians.
struct GalacticPlace {
    double l = 0;
    double b = 0;
};

// The galactic place of ra and dec of equinox 2000.0, radians. The galactic
// centre comes out just above 0; southern latitudes negative.
GalacticPlace GalacticCoordinates(double ra, double dec);

}  // namespace orvexal
