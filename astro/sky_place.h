// Places on the sky and in space shared by the Sun, the Moon and the
// coordinate conversions. All angles in radians.
#pragma once

namespace orvexal {

// Right ascension (0 up to 2 pi) and declination (-pi/2 to pi/2), radians.
struct EquatorialPlace {
    double rightAscension = 0;
    double declination = 0;
};

// Ecliptic longitude (0 up to 2 pi) and latitude (-pi/2 to pi/2), radians.
struct EclipticPlace {
    double longitude = 0;
    double latitude = 0;
};

// A body seen from the Earth's centre: its equatorial place and its
// distance from the Earth's centre in kilometres.
struct GeocentricPlace {
    EquatorialPlace equatorial;
    double distanceKm = 0;
};

// An observing site at sea level: geodetic longitude in degrees, positive
// to the WEST (this program's convention), and geodetic latitude in
// degrees, positive to the north.
struct Observer {
    double longitudeWestDeg = 0;
    double latitudeNorthDeg = 0;
};

}  // namespace orvexal
