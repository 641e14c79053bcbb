// Precession of a fixed star's mean place by a rigid rotation about the pole
// of the ecliptic.
//
// The equinox turns once in 25772 years; the obliquity of the ecliptic comes
// from a linear formula (Explanatory Supplement 1961, p. 169) evaluated once,
// at the mid-point of the two epochs, so the way back uses the same
// obliquity and the opposite angle. Proper motion is not applied.
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// Moves a place (radians) from the mean equator and equinox of fromEpoch
// to those of toEpoch (decimal years). The new ra lies in 0 up to about
// 6.2831853, the new dec in -pi/2..+pi/2. A result on the 6 h or 18 h
// circle (b1 = 0) takes the arctangent as +-pi/2 by the sign of b2; at a
// pole (|b3| >= 1) the dec is +-pi/2 by the sign of b3.
EquatorialPlace Precess(double fromEpoch, EquatorialPlace place, double toEpoch);

}  // namespace orvexal
