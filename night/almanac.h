// The almanac of an observing night, local noon to the next local noon:
// when the Sun sets, passes each twilight and rises; when the Moon rises and
// sets, how much of it is lit and how long the night is dark without it;
// when the target rises, culminates and sets, how high it stands in the dark
// and for how long above 30 degrees; and the local sidereal time at midnight.
//
// Method: the Sun and the Moon are sampled every kSkyStepMinutes
// (night/sky.h); an event is bracketed between two samples where the body
// passes its altitude and the instant then halved to within a second
// (night/crossings.h). The target's events follow in closed form from its
// hour angle (night/target_path.h), its distance from the Moon from the
// Moon's direction at the samples and its own apparent place
// (night/observing_night.h). Each body
// moves through the night (it is not held at one instant, as the pass's
// dusk and dawn are):
// - the Sun: its apparent place (Meeus, Astronomical Algorithms, ch. 25,
//   about 0.01 degree) and the geometric altitude of its centre. Sunset and
//   sunrise at -0.8333 degrees (the upper limb on the horizon under 34' of
//   refraction); civil, nautical and astronomical twilight at -6, -12 and
//   -18 degrees; dusk and dawn at the twilight altitude typed.
// - the Moon: its topocentric apparent place (ephemeris/moon.h). It rises and
//   sets with its upper limb on the horizon under 34' of refraction: the
//   centre's geometric altitude is then -(34' + its semidiameter).
// - the target: its place at the new epoch and the pass's horizon rules
//   (astro/horizon.h: mean sidereal time, refraction down to the horizon),
//   as the pass computes its altitude (a new epoch of 0, the epoch of the
//   date, gives the sky as it stands). It rises and sets at an apparent
//   altitude of 0.
//
// Times are local hours counted from the midnight before the evening, as on
// the night chart (night/inputs.h): the night runs from 12 to 36, 18.5 is
// 18:30 that evening, 25.25 is 01:15 the next morning.
#pragma once

#include <optional>
#include <vector>

#include "astro/horizon.h"
#include "night/inputs.h"

namespace orvexal {

// The Sun's centre at sunset and sunrise, and at the end of civil, nautical
// and astronomical twilight, geometric altitude in degrees.
constexpr double kSunsetAltitude = -0.8333;
constexpr double kCivilTwilightAltitude = -6;
constexpr double kNauticalTwilightAltitude = -12;
constexpr double kAstronomicalTwilightAltitude = -18;

// The altitude above which a target counts as high, degrees (air mass 2).
constexpr double kHighAltitude = 30;

// What makes a target observable: the dark time (the Sun below the
// twilight altitude typed), an apparent altitude at or above altitudeDeg,
// and the Moon at least moonDistanceDeg away (0: the Moon is not asked).
struct TargetLimits {
    double altitudeDeg = kHighAltitude;
    double moonDistanceDeg = 0;
};

// A stretch of the night, local hours, from <= to.
struct Interval {
    double from = 0;
    double to = 0;
};
using Intervals = std::vector<Interval>;

// The hours that the stretches (apart from one another) last.
double TotalHours(const Intervals& intervals);

// When the Sun passes an altitude: downward in the evening (the first time
// in the night), upward in the morning (the last time); none where it does
// not pass it in the night.
struct SunPassage {
    std::optional<double> dusk;
    std::optional<double> dawn;
};

struct SunAlmanac {
    SunPassage horizon;       // sunset and sunrise
    SunPassage civil;
    SunPassage nautical;
    SunPassage astronomical;
    SunPassage twilight;      // at the twilight altitude typed
    double lowest = 0;        // the Sun's lowest and highest altitude in the
    double highest = 0;       // night, degrees
};

struct MoonAlmanac {
    std::optional<double> rise;  // the first moonrise and moonset in the night
    std::optional<double> set;
    bool aboveAtMidnight = false;  // up all night when it neither rises nor sets
    double illuminatedFraction = 0;  // at local midnight, 0 (new) to 1 (full)
    bool waxing = false;             // the lit fraction growing at local midnight
    double darkHoursWithoutMoon = 0;  // the Sun below -18 degrees, the Moon below the horizon
};

// Whether the target crosses the horizon at all in a day.
enum class TargetPath { RisesAndSets, NeverRises, NeverSets };

struct TargetAlmanac {
    TargetPath path = TargetPath::RisesAndSets;
    std::optional<double> rise;     // the first rise and set in the night
    std::optional<double> set;
    std::optional<double> transit;  // the upper culmination in the night
    double transitAltitude = 0;     // apparent altitude at the upper culmination, degrees
    Intervals windows;              // observable, by the limits (the almanac's: 30 deg, no Moon)
    double highestAt = 0;           // the highest point in the windows, else in the dark time,
    HorizonPlace highest;           // else in the whole night: when, and the pass's values then
    double moonLeastDistance = 0;   // degrees, and when: within the dark time, or the
    double moonLeastAt = 0;         // whole night when it has none
};

struct Almanac {
    double midnightJd = 0;          // local midnight of the night, JD, universal time
    double siderealAtMidnight = 0;  // local mean sidereal time then, hours
    Intervals dark;                 // the Sun below the twilight altitude typed
    SunAlmanac sun;
    MoonAlmanac moon;
    TargetAlmanac target;
};

// The almanac of the observing night of a calculation.
Almanac ComputeAlmanac(const NightInputs& inputs);

}  // namespace orvexal
