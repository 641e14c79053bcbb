// The Moon's place, distance and phase.
//
// Lunar theory: the ELP-2000/82 series of Chapront-Touze and Chapront
// (1983) as truncated by Meeus, Astronomical Algorithms, 2nd ed. 1998,
// ch. 47 (periodic terms of tables 47.A and 47.B, with the additive terms
// of Venus, Jupiter and the Earth's flattening), stated accurate to about
// 10" in longitude and 4" in latitude (ERFA's eraMoon98 notes, for the
// same series against ELP/MPP02 over 1950-2100: 2.9" rms in direction,
// 18.3" at worst, 31.7 km in distance). From its mean ecliptic place of
// date the apparent place follows by adding the nutation in longitude and
// rotating by the true obliquity (ch. 22 short series, ch. 13); the
// topocentric place by the observer's parallax (ch. 40) with the apparent
// sidereal time; the illuminated fraction from the elongation from the
// Sun (ch. 48, the Sun of ch. 25). Instants are given on the universal-time
// scale and taken to Terrestrial Time with the Espenak-Meeus Delta T.
#pragma once

#include "astro/sky_place.h"
#include "ephemeris/topocentric.h"

namespace orvexal {

// The Moon's geometric place referred to the mean ecliptic and equinox of
// date: longitude and latitude in radians, distance between the centres of
// the Earth and the Moon in km.
struct MoonEcliptic {
    EclipticPlace ecliptic;
    double distanceKm = 0;
};

// The series itself, for a JD on the Terrestrial Time scale. 2448724.5
// (1992 April 12, 0h TT) gives 133.162655 deg, -3.229126 deg, 368409.7 km
// (Meeus's example 47.a).
MoonEcliptic MoonMeanEclipticPlace(double jdTt);

// The Moon's geocentric apparent right ascension and declination (radians,
// true equator and equinox of date) and distance (km), for a JD on the
// universal-time scale.
GeocentricPlace MoonApparentPlace(double jdUt);

// The Moon seen from an observer at sea level (longitude positive west):
// its topocentric apparent place, distance and geometric altitude (without
// refraction), for a JD on the universal-time scale.
TopocentricPlace MoonTopocentricPlace(double jdUt, Observer observer);

// The illuminated fraction of the Moon's disk, 0 (new) to 1 (full), for a
// JD on the universal-time scale.
double MoonIlluminatedFraction(double jdUt);

}  // namespace orvexal
