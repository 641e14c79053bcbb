// The angle between two places on the sky.
//
// The cosine formula of Meeus, Astronomical Algorithms, 2nd ed. 1998,
// eq. 17.1, loses its digits for small angles; this uses the equivalent
// arctangent form (Vincenty 1975), exact at every separation from 0 to pi.
#pragma once

#include "astro/sky_place.h"

namespace orvexal {

// The angular distance between two equatorial places, radians, 0 to pi.
// Both places must be referred to the same equator and equinox.
double AngularDistance(EquatorialPlace a, EquatorialPlace b);

}  // namespace orvexal
