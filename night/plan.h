// Tonight's targets: a list of targets planned for one observing night.
//
// Each target is moved to the mean equator and equinox of the date (the
// Julian epoch of the night's midnight) by the program's own precession
// (astro/precession.h) and then taken through the night as the Night
// window takes its target (night/observing_night.h): its rise, culmination
// and set at the horizon (apparent altitude 0), its observable windows (the
// dark time, at or above the altitude limit, at least the Moon-distance
// limit from the Moon), its best time (its highest point in the windows, in
// the dark time when it has none) with the altitude, air mass, hour angle
// and the Moon's distance then, and the Moon's least distance in the dark
// time. The Moon's distances are taken from the target's apparent place,
// as the Moon's place is apparent (ephemeris/apparent_star.h). The Sun,
// the Moon and the sidereal time are worked out once for the night, never
// once per target.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "astro/horizon.h"
#include "night/almanac.h"

namespace orvexal {

// A target as a list gives it: its place (radians) referred to the mean
// equator and equinox of its epoch (years).
struct CatalogPlace {
    EquatorialPlace place;
    double epoch = 2000.0;
};

// A place given in hours and degrees, at an epoch in years.
CatalogPlace CatalogPlaceOf(double raHours, double decDeg, double epochYears);

struct TargetPlan {
    EquatorialPlace placeOfDate;    // radians
    TargetAlmanac night;            // rise, culmination, set, windows, best time, the Moon nearest
    double bestMoonDistance = 0;    // degrees, at the best time (night.highestAt)
    std::optional<Interval> longest;  // the longest window

    bool Observable() const { return !night.windows.empty(); }
};

// The night of a plan.
struct PlanNight {
    Observer site;
    double localMidnight = 0;  // JD, universal time
    double twilightDeg = 0;    // the Sun's altitude that ends the dark time
};

// The night of a calculation: its site, midnight and twilight.
PlanNight PlanNightOf(const NightInputs& inputs);

struct NightPlan {
    double siderealAtMidnight = 0;  // local mean sidereal time at midnight, hours
    Intervals dark;
    SunAlmanac sun;
    MoonAlmanac moon;
    std::vector<TargetPlan> targets;  // in the list's order
};

NightPlan PlanTargets(const PlanNight& night, std::span<const CatalogPlace> targets, const TargetLimits& limits);

}  // namespace orvexal
