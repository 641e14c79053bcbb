// A fixed star's apparent place: from the mean equator and equinox of date
// to the true ones, and moved by the annual aberration, as the Moon's
// apparent place (ephemeris/moon.h) is referred, so that the two can be
// compared.
//
// Meeus, Astronomical Algorithms, 2nd ed. 1998, ch. 23, in vector form:
// nutation (ch. 22) as the rotation through the mean obliquity to the
// ecliptic, delta psi along it and the true obliquity back; the aberration
// as the Earth's velocity over the speed of light, kappa = 20.49552" toward
// the point 90 degrees behind the Sun's true longitude, with the terms of
// the orbit's eccentricity (eq. 23.2; the E-terms are kept, as Meeus
// does). First order in kappa: within 0.01" of the full expression. Worked
// out once for an instant, then applied to any number of places; over a
// night the aberration turns by less than 0.4".
#pragma once

#include <array>

#include "astro/sky_place.h"

namespace orvexal {

class StarApparentPlace {
public:
    // For a JD on the universal-time scale.
    explicit StarApparentPlace(double jdUt);

    // The apparent place (radians, true equator and equinox of date; the
    // right ascension in -pi..pi) of a place on the mean equator and
    // equinox of date.
    EquatorialPlace operator()(EquatorialPlace meanOfDate) const;

    // The same as a unit vector (x toward the true equinox, z the pole),
    // for comparing with other directions without the angles.
    using Direction = std::array<double, 3>;
    Direction ApparentDirection(EquatorialPlace meanOfDate) const;

private:

    std::array<Direction, 3> nutation_;  // rows of the rotation, mean to true of date
    Direction velocity_;                 // the Earth's, over c, true equator of date
};

}  // namespace orvexal
