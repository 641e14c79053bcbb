// Nutation in longitude and obliquity and the obliquity of the ecliptic.
//
// The short series of Meeus, Astronomical Algorithms, 2nd ed. 1998, ch. 22:
// the four largest terms of the IAU 1980 theory, stated accurate to 0.5" in
// longitude and 0.1" in obliquity, and the IAU mean obliquity of eq. 22.2.
#pragma once

namespace orvexal {

// Radians, for an instant on the Terrestrial Time scale.
struct Nutation {
    double inLongitude = 0;    // delta psi
    double inObliquity = 0;    // delta epsilon
    double meanObliquity = 0;  // epsilon 0, the mean equator of date on the ecliptic
    double TrueObliquity() const { return meanObliquity + inObliquity; }
};

// Nutation at a JD on the Terrestrial Time scale. 2446895.5 (1987 April
// 10, 0h TT) gives delta psi -3.788", delta epsilon +9.443", mean
// obliquity 23 26' 27.407" (Meeus's example 22.a, full series).
Nutation NutationAt(double jdTt);

}  // namespace orvexal
