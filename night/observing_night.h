// One observing night at one site, worked out once for any number of
// targets: the Sun's and the Moon's almanac, the dark time, the pass's
// sidereal clock and the Moon's direction at every sample of the night.
// Each target then costs a few closed-form hour angles (night/target_path.h)
// and one pass over the samples for its distance from the Moon.
//
// The Moon's direction between samples is interpolated: its topocentric
// place moves less than 0.3 degree in a 10-minute step, and the chord
// between two unit vectors, normalised, lies within 0.5" of the arc.
#pragma once

#include <array>
#include <vector>

#include "ephemeris/apparent_star.h"
#include "night/almanac.h"
#include "night/sky.h"
#include "night/target_path.h"

namespace orvexal {

class ObservingNight {
public:
    // The night around a local midnight (JD, universal time), with dusk and
    // dawn at the Sun's altitude twilightDeg.
    ObservingNight(Observer site, double localMidnight, double twilightDeg);

    const SunAlmanac& Sun() const { return sun_; }
    const MoonAlmanac& Moon() const { return moon_; }
    const Intervals& Dark() const { return dark_; }
    const SiderealClock& Clock() const { return clock_; }
    double LocalMidnight() const { return localMidnight_; }

    // The limits as the target's way across the sky meets them: true
    // altitudes and the cosine of the least distance from the Moon.
    struct Thresholds {
        double horizonDeg;   // true altitude at which a target comes into sight
        double altitudeDeg;  // true altitude of the altitude limit
        double moonCosine;   // above it the Moon is too near (1: not asked)
    };
    static Thresholds ThresholdsOf(const TargetLimits& limits);

    // A target whose altitude follows altitudePlace (radians, the place the
    // pass computes the altitude of) and whose distance from the Moon
    // follows placeOfDate (the mean equator and equinox of the date), taken
    // to its apparent place as the Moon's is (ephemeris/apparent_star.h).
    TargetAlmanac Target(EquatorialPlace altitudePlace, EquatorialPlace placeOfDate,
                         const Thresholds& thresholds) const;

    // The Moon's distance from a place of date at a night hour, degrees,
    // from the Moon's interpolated direction and the place's apparent one.
    double MoonDistance(EquatorialPlace placeOfDate, double nightHours) const;

private:
    using Direction = std::array<double, 3>;  // a unit vector, equatorial

    Direction MoonDirectionAt(double nightHours) const;
    Intervals WhereMoonAtLeast(const Direction& toward, double cosine) const;
    void FindHighest(const TargetTurn& turn, const NightHours& culminations, const Intervals& searched,
                     TargetAlmanac& target) const;
    void FindMoonNearest(const Direction& toward, TargetAlmanac& target) const;

    Observer site_;
    double localMidnight_;
    SiderealClock clock_;
    StarApparentPlace apparent_;      // at the midnight: within 0.4" all night
    SunAlmanac sun_;
    MoonAlmanac moon_;
    Intervals dark_;
    Intervals darkOrNight_;           // the dark time, or the whole night when it has none
    std::vector<std::pair<std::size_t, std::size_t>> darkSamples_;  // the first and last sample in each stretch
    std::vector<double> hours_;       // the samples' night hours
    std::vector<Direction> moonAt_;   // the Moon's direction at each sample
};

}  // namespace orvexal
