// A target's way across the sky through an observing night, in closed form.
//
// A place fixed on the sky (its proper motion, and the precession and
// nutation of one night, neglected) turns with the pass's local mean
// sidereal time (astro/sidereal_time.h), which runs at
// kSiderealHoursPerHour from its value at 0h UT of each civil day. Its
// true altitude h follows from its hour angle H (Meeus, Astronomical
// Algorithms, eq. 13.6):
//     sin h = sin phi sin delta + cos phi cos delta cos H,
// so it stands at or above h while |H| <= acos((sin h - sin phi sin delta) /
// (cos phi cos delta)), its half arc above h. An apparent altitude is
// reached at the true altitude that the pass's horizon rules refract to it
// (TrueAltitudeOfApparent, astro/horizon.h): the rules of the pass's
// altitude field and of the night chart's curve, so a target rises where
// the curve crosses the horizon.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "astro/sidereal_time.h"
#include "astro/sky_place.h"
#include "ephemeris/topocentric.h"
#include "night/almanac.h"

namespace orvexal {

// A few night hours in order, held without allocating.
class NightHours {
public:
    void Add(double hours);
    const double* begin() const { return hours_.data(); }
    const double* end() const { return hours_.data() + count_; }
    bool empty() const { return count_ == 0; }
    std::optional<double> First() const { return empty() ? std::nullopt : std::optional(hours_[0]); }

private:
    std::array<double, 6> hours_{};  // twice in each of the three civil days a night touches
    std::size_t count_ = 0;
};

// The pass's local mean sidereal time through one observing night, and
// the night hours at which it reads a given time.
class SiderealClock {
public:
    SiderealClock(double localMidnight, double longitudeWestDeg);

    // Hours, 0 up to 24.
    double LstHours(double nightHours) const;

    // The night hours from kNightStartHours up to kNightEndHours, in order,
    // at which the sidereal time reads lstHours (once or twice: a sidereal
    // day is 3 min 56 s shorter than a solar one).
    NightHours HoursShowing(double lstHours) const;

private:
    double localMidnight_;
    double longitudeHours_;
    std::array<SiderealDay, 3> days_;  // the civil days (UT) that the night touches
};

// A target seen from a site: the terms of eq. 13.6 worked out once.
class TargetTurn {
public:
    TargetTurn(EquatorialPlace place, double latitudeNorthDeg);

    // Its half arc above a true altitude, sidereal hours: 0 when it never
    // comes above it, 12 when it never goes below it.
    double HalfArc(double trueAltitudeDeg) const;

    // The sine of its true altitude at a sidereal time in hours.
    double SineOfAltitude(double lstHours) const;

    double RightAscensionHours() const { return raHours_; }

private:
    double raHours_;
    double sinProduct_;  // sin phi sin delta
    double cosProduct_;  // cos phi cos delta
};

// When the target is at or above a true altitude in the night: the
// stretches of night hours, and the instants at which it comes up to that
// altitude and goes down through it.
struct AltitudePassage {
    Intervals above;
    NightHours up;
    NightHours down;
};

AltitudePassage PassageAbove(const SiderealClock& clock, const TargetTurn& target, double trueAltitudeDeg);

// The night hours of its upper culminations in the night.
NightHours Culminations(const SiderealClock& clock, const TargetTurn& target);

}  // namespace orvexal
