#include "night/observing_night.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "astro/horizon.h"
#include "astro/moon.h"
#include "night/crossings.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The Moon's lit fraction is compared an hour either side of midnight to
// tell whether it is growing.
constexpr double kPhaseSpanDays = 1.0 / 24;

std::array<double, 3> DirectionOf(EquatorialPlace place)
{
    const double c = std::cos(place.declination);
    return {c * std::cos(place.rightAscension), c * std::sin(place.rightAscension), std::sin(place.declination)};
}

double Dot(const std::array<double, 3>& a, const std::array<double, 3>& b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The angle whose cosine is c, degrees, c kept within [-1, 1].
double AngleOfCosine(double c)
{
    return std::acos(std::clamp(c, -1.0, 1.0)) / kRadiansPerDegree;
}

// The Sun's passages of one altitude, and the stretches it spends below it.
struct SunLevel {
    SunPassage passage;
    Intervals below;
};

SunLevel SunLevelOf(const Sampled& sun, double altitude)
{
    const std::vector<Crossing> crossings = FindCrossings(sun, altitude);
    return {{FirstCrossing(crossings, false), LastCrossing(crossings, true)},
            WhereOnSide(sun, altitude, false, crossings)};
}

std::optional<double> First(const std::vector<double>& hours)
{
    return hours.empty() ? std::nullopt : std::optional(hours.front());
}

// Where a quantity known at the samples is at most a level, the crossings
// placed by linear interpolation between samples.
Intervals WhereAtMost(const std::vector<double>& hours, const std::vector<double>& values, double level)
{
    std::vector<Crossing> crossings;
    for (std::size_t i = 1; i < values.size(); ++i) {
        const bool before = values[i - 1] <= level;
        if (before != (values[i] <= level)) {
            const double f = (level - values[i - 1]) / (values[i] - values[i - 1]);
            crossings.push_back({hours[i - 1] + f * (hours[i] - hours[i - 1]), !before});
        }
    }
    return StretchesOnSide(values.front() <= level, crossings, true, {hours.front(), hours.back()});
}

bool Within(const Intervals& intervals, double h)
{
    return std::ranges::any_of(intervals, [h](const Interval& i) { return h >= i.from && h <= i.to; });
}

}  // namespace

ObservingNight::ObservingNight(Observer site, double localMidnight, double twilightDeg)
    : site_(site), localMidnight_(localMidnight), clock_(localMidnight, site.longitudeWestDeg)
{
    const NightSky sky = SampleNightSky(site, localMidnight);
    std::vector<double> sunValues;
    std::vector<double> moonValues;
    for (const SkyInstant& s : sky.samples) {
        hours_.push_back(NightHoursOf(localMidnight, s.jd));
        sunValues.push_back(s.sunAltitude);
        moonValues.push_back(s.moonAltitude - s.moonHorizon);
        moonAt_.push_back(DirectionOf(s.moon));
    }
    const auto jdOf = [localMidnight](double h) { return JdOfNightHours(localMidnight, h); };
    const Sampled sun{hours_, sunValues, [=](double h) { return SunAltitudeAt(jdOf(h), site); }};
    const Sampled moon{hours_, moonValues, [=](double h) {
                           const SkyInstant s = SkyInstantAt(jdOf(h), site);
                           return s.moonAltitude - s.moonHorizon;
                       }};

    const SunLevel astronomical = SunLevelOf(sun, kAstronomicalTwilightAltitude);
    const SunLevel twilight = SunLevelOf(sun, twilightDeg);
    const auto [lowest, highest] = std::ranges::minmax(sunValues);
    sun_ = {SunLevelOf(sun, kSunsetAltitude).passage,
            SunLevelOf(sun, kCivilTwilightAltitude).passage,
            SunLevelOf(sun, kNauticalTwilightAltitude).passage,
            astronomical.passage,
            twilight.passage,
            lowest,
            highest};
    dark_ = twilight.below;

    const std::vector<Crossing> moonCrossings = FindCrossings(moon, 0);
    moon_.rise = FirstCrossing(moonCrossings, true);
    moon_.set = FirstCrossing(moonCrossings, false);
    moon_.aboveAtMidnight = moon.at(kMidnightHours) >= 0;
    moon_.illuminatedFraction = MoonIlluminatedFraction(localMidnight);
    moon_.waxing = MoonIlluminatedFraction(localMidnight + kPhaseSpanDays)
                   > MoonIlluminatedFraction(localMidnight - kPhaseSpanDays);
    moon_.darkHoursWithoutMoon =
        TotalHours(Intersection(astronomical.below, WhereOnSide(moon, 0, false, moonCrossings)));
}

ObservingNight::Direction ObservingNight::MoonDirectionAt(double nightHours) const
{
    const auto next = std::ranges::upper_bound(hours_, nightHours);
    const std::size_t i = std::clamp<std::size_t>(static_cast<std::size_t>(next - hours_.begin()), 1, hours_.size() - 1);
    const double f = (nightHours - hours_[i - 1]) / (hours_[i] - hours_[i - 1]);
    Direction d;
    for (std::size_t k = 0; k < d.size(); ++k) {
        d[k] = moonAt_[i - 1][k] + f * (moonAt_[i][k] - moonAt_[i - 1][k]);
    }
    const double length = std::sqrt(Dot(d, d));
    for (double& x : d) {
        x /= length;
    }
    return d;
}

double ObservingNight::MoonDistance(EquatorialPlace placeOfDate, double nightHours) const
{
    return AngleOfCosine(Dot(MoonDirectionAt(nightHours), DirectionOf(placeOfDate)));
}

TargetAlmanac ObservingNight::Target(EquatorialPlace altitudePlace, EquatorialPlace placeOfDate,
                                     const TargetLimits& limits) const
{
    const double latitude = site_.latitudeNorthDeg;
    const TargetTurn turn(altitudePlace, latitude);
    const double horizon = TrueAltitudeOfApparent(0);
    const AltitudePassage up = PassageAbove(clock_, turn, horizon);
    TargetAlmanac target;
    const double arc = turn.HalfArc(horizon);
    target.path = arc == 0 ? TargetPath::NeverRises
                  : arc == kHoursPerDay / 2 ? TargetPath::NeverSets
                                             : TargetPath::RisesAndSets;
    target.rise = First(up.up);
    target.set = First(up.down);
    const std::vector<double> culminations = Culminations(clock_, turn);
    target.transit = First(culminations);
    target.transitAltitude = HorizonPlaceOf(turn.RightAscensionHours(), altitudePlace, latitude).altitude;

    // The cosine of the Moon's distance at each sample.
    const Direction toward = DirectionOf(placeOfDate);
    std::vector<double> moonCosine;
    moonCosine.reserve(moonAt_.size());
    for (const Direction& moon : moonAt_) {
        moonCosine.push_back(Dot(moon, toward));
    }

    target.windows = Intersection(dark_, PassageAbove(clock_, turn, TrueAltitudeOfApparent(limits.altitudeDeg)).above);
    if (limits.moonDistanceDeg > 0) {
        target.windows = Intersection(
            target.windows, WhereAtMost(hours_, moonCosine, std::cos(limits.moonDistanceDeg * kRadiansPerDegree)));
    }

    const Intervals night{{kNightStartHours, kNightEndHours}};
    const Intervals& dark = dark_.empty() ? night : dark_;

    // The highest point of each stretch is a culmination within it or one
    // of its ends: the altitude falls either side of the meridian.
    const Intervals& searched = target.windows.empty() ? dark : target.windows;
    target.highestAltitude = -std::numeric_limits<double>::infinity();
    const auto consider = [&](double h) {
        if (const double a = HorizonPlaceOf(clock_.LstHours(h), altitudePlace, latitude).altitude;
            a > target.highestAltitude) {
            target.highestAltitude = a;
            target.highestAt = h;
        }
    };
    for (const Interval& part : searched) {
        consider(part.from);
        consider(part.to);
        for (const double h : culminations) {
            if (h > part.from && h < part.to) {
                consider(h);
            }
        }
    }

    // The Moon nearest: the nearest sample in the dark time, then the
    // vertex of the parabola through it and its neighbours, or an end of a
    // stretch of the dark time.
    target.moonLeastDistance = std::numeric_limits<double>::infinity();
    const auto nearer = [&](double h) {
        if (const double d = MoonDistance(placeOfDate, h); d < target.moonLeastDistance) {
            target.moonLeastDistance = d;
            target.moonLeastAt = h;
        }
    };
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < hours_.size(); ++i) {
        if (Within(dark, hours_[i]) && (!best || moonCosine[i] > moonCosine[*best])) {
            best = i;
        }
    }
    if (best && *best > 0 && *best + 1 < hours_.size()) {
        const double a = moonCosine[*best - 1];
        const double b = moonCosine[*best];
        const double c = moonCosine[*best + 1];
        const double offset = (a - c) / (2 * (a - 2 * b + c));  // in steps, within +-0.5
        const double h = hours_[*best] + (std::isfinite(offset) ? offset : 0) * (hours_[*best + 1] - hours_[*best]);
        if (Within(dark, h)) {
            nearer(h);
        }
    }
    if (best) {
        nearer(hours_[*best]);
    }
    for (const Interval& part : dark) {
        nearer(part.from);
        nearer(part.to);
    }
    return target;
}

}  // namespace orvexal
