// Ecliptic to equatorial coordinates: a rotation about the equinox
// direction by the obliquity of the ecliptic (Meeus, Astronomical
// Algorithms, 2nd ed. 1998, ch. 13, eqs. 13.3 and 13.4). Radians
// throughout; the result is referred to the same equinox as the input.
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// The equatorial place of an ecliptic place for the obliquity `obliquity`
// (radians): the mean obliquity for mean places, the true obliquity for
// apparent ones. The right ascension lies in 0 up to 2 pi.
EquatorialPlace EquatorialFromEcliptic(EclipticPlace place, double obliquity);

}  // namespace orvexal
