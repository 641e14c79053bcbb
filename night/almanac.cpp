#include "night/almanac.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "astro/angular_distance.h"
#include "astro/horizon.h"
#include "astro/moon.h"
#include "astro/sidereal_time.h"
#include "night/crossings.h"
#include "night/sky.h"
#include "night/target_path.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The Moon's lit fraction is compared an hour either side of midnight to
// tell whether it is growing.
constexpr double kPhaseSpanDays = 1.0 / 24;

// Golden-section steps for the Moon's least distance: 0.618^20 of two
// sample steps is a fifth of a second.
constexpr int kGoldenSteps = 20;

// The quantities of the night at its samples, each with the way to work it
// out at any hour.
class NightSeries {
public:
    NightSeries(const NightInputs& inputs, const NightSky& sky)
        : inputs_(inputs), sky_(sky), targetOfDate_(TargetOfDate(inputs))
    {
        for (const SkyInstant& s : sky.samples) {
            hours_.push_back(NightHoursOf(sky.localMidnight, s.jd));
            sun_.push_back(s.sunAltitude);
            moon_.push_back(s.moonAltitude - s.moonHorizon);
            moonDistance_.push_back(MoonDistance(s));
        }
    }

    // The Sun's geometric altitude, degrees.
    Sampled Sun() const
    {
        return {hours_, sun_, [this](double h) { return SunAltitudeAt(Jd(h), inputs_.site); }};
    }

    // The Moon's centre above its altitude at moonrise, degrees.
    Sampled Moon() const
    {
        return {hours_, moon_, [this](double h) {
                    const SkyInstant s = SkyInstantAt(Jd(h), inputs_.site);
                    return s.moonAltitude - s.moonHorizon;
                }};
    }

    double TargetAltitude(double h) const { return TargetAt(Lst(h)).altitude; }
    double MoonDistanceAt(double h) const
    {
        return AngularDistance(MoonTopocentricPlace(Jd(h), inputs_.site).equatorial, targetOfDate_) / kRadiansPerDegree;
    }

    const std::vector<double>& Hours() const { return hours_; }
    const std::vector<double>& MoonDistances() const { return moonDistance_; }

private:
    double Jd(double h) const { return JdOfNightHours(sky_.localMidnight, h); }
    double Lst(double h) const { return LocalSiderealTime(Jd(h), inputs_.site.longitudeWestDeg); }

    HorizonPlace TargetAt(double lstHours) const
    {
        return HorizonPlaceOf(lstHours, inputs_.target, inputs_.site.latitudeNorthDeg);
    }

    double MoonDistance(const SkyInstant& s) const { return AngularDistance(s.moon, targetOfDate_) / kRadiansPerDegree; }


    const NightInputs& inputs_;
    const NightSky& sky_;
    EquatorialPlace targetOfDate_;
    std::vector<double> hours_, sun_, moon_, moonDistance_;
};

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

MoonAlmanac MoonOf(const NightSeries& series, double localMidnight, const Intervals& astronomicalNight)
{
    const Sampled moon = series.Moon();
    const std::vector<Crossing> crossings = FindCrossings(moon, 0);
    MoonAlmanac almanac;
    almanac.rise = FirstCrossing(crossings, true);
    almanac.set = FirstCrossing(crossings, false);
    almanac.aboveAtMidnight = moon.at(kMidnightHours) >= 0;
    almanac.illuminatedFraction = MoonIlluminatedFraction(localMidnight);
    almanac.waxing = MoonIlluminatedFraction(localMidnight + kPhaseSpanDays)
                     > MoonIlluminatedFraction(localMidnight - kPhaseSpanDays);
    almanac.darkHoursWithoutMoon =
        TotalHours(Intersection(astronomicalNight, WhereOnSide(moon, 0, false, crossings)));
    return almanac;
}

// The highest point of each stretch is its culmination when it holds one,
// else one of its ends: the altitude falls either side of the meridian.
void FindHighest(const NightSeries& series, const Intervals& window, TargetAlmanac& target)
{
    target.highestAltitude = -std::numeric_limits<double>::infinity();
    const auto consider = [&](double h) {
        if (const double altitude = series.TargetAltitude(h); altitude > target.highestAltitude) {
            target.highestAltitude = altitude;
            target.highestAt = h;
        }
    };
    for (const Interval& part : window) {
        consider(part.from);
        consider(part.to);
        if (target.transit && *target.transit > part.from && *target.transit < part.to) {
            consider(*target.transit);
        }
    }
}

// A golden-section search for the least of a function with one minimum in
// [low, high]: the one inner point kept from step to step.
double Least(const std::function<double(double)>& f, double low, double high, double& at)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double fa = f(a);
    double fb = f(b);
    for (int i = 0; i < kGoldenSteps; ++i) {
        if (fa < fb) {
            high = b;
            b = a;
            fb = fa;
            a = high - ratio * (high - low);
            fa = f(a);
        } else {
            low = a;
            a = b;
            fa = fb;
            b = low + ratio * (high - low);
            fb = f(b);
        }
    }
    at = fa < fb ? a : b;
    return std::min(fa, fb);
}

// The least distance: the nearest sample or end of a stretch of the window,
// then the search within a step either side of it.
void FindMoonLeast(const NightSeries& series, const Intervals& window, TargetAlmanac& target)
{
    const std::vector<double>& hours = series.Hours();
    const double step = hours[1] - hours[0];
    target.moonLeastDistance = std::numeric_limits<double>::infinity();
    Interval holding = window.front();
    const auto consider = [&](double h, double distance, const Interval& part) {
        if (distance < target.moonLeastDistance) {
            target.moonLeastDistance = distance;
            target.moonLeastAt = h;
            holding = part;
        }
    };
    for (const Interval& part : window) {
        for (std::size_t i = 0; i < hours.size(); ++i) {
            if (hours[i] >= part.from && hours[i] <= part.to) {
                consider(hours[i], series.MoonDistances()[i], part);
            }
        }
        consider(part.from, series.MoonDistanceAt(part.from), part);
        consider(part.to, series.MoonDistanceAt(part.to), part);
    }
    double at = 0;
    const double least = Least([&series](double h) { return series.MoonDistanceAt(h); },
                               std::max(holding.from, target.moonLeastAt - step),
                               std::min(holding.to, target.moonLeastAt + step), at);
    consider(at, least, holding);
}

std::optional<double> First(const std::vector<double>& hours)
{
    return hours.empty() ? std::nullopt : std::optional(hours.front());
}

TargetAlmanac TargetOf(const NightInputs& inputs, const NightSeries& series, const Intervals& dark)
{
    const SiderealClock clock(inputs.localMidnight, inputs.site.longitudeWestDeg);
    const TargetTurn turn(inputs.target, inputs.site.latitudeNorthDeg);
    const double horizon = TrueAltitudeOfApparent(0);
    const AltitudePassage up = PassageAbove(clock, turn, horizon);
    TargetAlmanac target;
    target.path = turn.HalfArc(horizon) == 0                   ? TargetPath::NeverRises
                  : turn.HalfArc(horizon) == kHoursPerDay / 2 ? TargetPath::NeverSets
                                                               : TargetPath::RisesAndSets;
    target.rise = First(up.up);
    target.set = First(up.down);
    target.transit = First(Culminations(clock, turn));
    target.transitAltitude =
        HorizonPlaceOf(turn.RightAscensionHours(), inputs.target, inputs.site.latitudeNorthDeg).altitude;
    const Intervals window = dark.empty() ? Intervals{{kNightStartHours, kNightEndHours}} : dark;
    FindHighest(series, window, target);
    target.hoursHighInDark =
        TotalHours(Intersection(PassageAbove(clock, turn, TrueAltitudeOfApparent(kHighAltitude)).above, dark));
    FindMoonLeast(series, window, target);
    return target;
}

}  // namespace

double TotalHours(const Intervals& intervals)
{
    return std::accumulate(intervals.begin(), intervals.end(), 0.0,
                           [](double sum, const Interval& i) { return sum + (i.to - i.from); });
}

Almanac ComputeAlmanac(const NightInputs& inputs)
{
    const NightSky sky = SampleNightSky(inputs.site, inputs.localMidnight);
    const NightSeries series(inputs, sky);
    Almanac almanac;
    almanac.midnightJd = inputs.localMidnight;
    almanac.siderealAtMidnight = LocalSiderealTime(inputs.localMidnight, inputs.site.longitudeWestDeg);
    const Sampled sun = series.Sun();
    const SunLevel astronomical = SunLevelOf(sun, kAstronomicalTwilightAltitude);
    const SunLevel twilight = SunLevelOf(sun, inputs.twilight);
    const auto [lowest, highest] = std::ranges::minmax(sun.values);
    almanac.sun = {SunLevelOf(sun, kSunsetAltitude).passage,
                   SunLevelOf(sun, kCivilTwilightAltitude).passage,
                   SunLevelOf(sun, kNauticalTwilightAltitude).passage,
                   astronomical.passage,
                   twilight.passage,
                   lowest,
                   highest};
    almanac.dark = twilight.below;
    almanac.moon = MoonOf(series, inputs.localMidnight, astronomical.below);
    almanac.target = TargetOf(inputs, series, almanac.dark);
    return almanac;
}

}  // namespace orvexal
