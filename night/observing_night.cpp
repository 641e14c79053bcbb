#include "night/observing_night.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "astro/horizon.h"
#include "ephemeris/moon.h"
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

bool Within(const Intervals& intervals, double h)
{
    return std::ranges::any_of(intervals, [h](const Interval& i) { return h >= i.from && h <= i.to; });
}

}  // namespace

ObservingNight::ObservingNight(Observer site, double localMidnight, double twilightDeg)
    : site_(site), localMidnight_(localMidnight), clock_(localMidnight, site.longitudeWestDeg),
      apparent_(localMidnight)
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
    darkOrNight_ = dark_.empty() ? Intervals{{kNightStartHours, kNightEndHours}} : dark_;
    for (const Interval& part : darkOrNight_) {
        const auto first = std::ranges::lower_bound(hours_, part.from);
        const auto last = std::ranges::upper_bound(hours_, part.to);
        if (first < last) {
            darkSamples_.emplace_back(first - hours_.begin(), last - hours_.begin() - 1);
        }
    }
    if (darkSamples_.empty()) {  // a stretch of dark shorter than a step between samples
        const auto next = std::ranges::lower_bound(hours_, darkOrNight_.front().from) - hours_.begin();
        const auto i = static_cast<std::size_t>(std::min<std::ptrdiff_t>(next, std::ssize(hours_) - 1));
        darkSamples_.emplace_back(i, i);
    }

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
    return AngleOfCosine(Dot(MoonDirectionAt(nightHours), apparent_.ApparentDirection(placeOfDate)));
}

ObservingNight::Thresholds ObservingNight::ThresholdsOf(const TargetLimits& limits)
{
    return {TrueAltitudeOfApparent(0), TrueAltitudeOfApparent(limits.altitudeDeg),
            limits.moonDistanceDeg > 0 ? std::cos(limits.moonDistanceDeg * kRadiansPerDegree) : 1};
}

TargetAlmanac ObservingNight::Target(EquatorialPlace altitudePlace, EquatorialPlace placeOfDate,
                                     const Thresholds& thresholds) const
{
    const double latitude = site_.latitudeNorthDeg;
    const TargetTurn turn(altitudePlace, latitude);
    const AltitudePassage up = PassageAbove(clock_, turn, thresholds.horizonDeg);
    const double arc = turn.HalfArc(thresholds.horizonDeg);
    const NightHours culminations = Culminations(clock_, turn);
    TargetAlmanac target;
    target.path = arc == 0 ? TargetPath::NeverRises
                  : arc == kHoursPerDay / 2 ? TargetPath::NeverSets
                                             : TargetPath::RisesAndSets;
    target.rise = up.up.First();
    target.set = up.down.First();
    target.transit = culminations.First();
    target.transitAltitude = HorizonPlaceOf(turn.RightAscensionHours(), altitudePlace, latitude).altitude;

    const Direction toward = apparent_.ApparentDirection(placeOfDate);
    target.windows = Intersection(dark_, PassageAbove(clock_, turn, thresholds.altitudeDeg).above);
    if (thresholds.moonCosine < 1) {
        target.windows = Intersection(target.windows, WhereMoonAtLeast(toward, thresholds.moonCosine));
    }
    FindHighest(turn, culminations, target.windows.empty() ? darkOrNight_ : target.windows, target);
    target.highest = HorizonPlaceOf(clock_.LstHours(target.highestAt), altitudePlace, latitude);
    FindMoonNearest(toward, target);
    return target;
}

// Where the Moon is at least a distance away (its cosine at most c), the
// crossings placed by linear interpolation of the cosine between samples.
Intervals ObservingNight::WhereMoonAtLeast(const Direction& toward, double c) const
{
    std::vector<Crossing> crossings;
    double before = Dot(moonAt_.front(), toward);
    for (std::size_t i = 1; i < moonAt_.size(); ++i) {
        const double now = Dot(moonAt_[i], toward);
        if ((before <= c) != (now <= c)) {
            const double f = (c - before) / (now - before);
            crossings.push_back({hours_[i - 1] + f * (hours_[i] - hours_[i - 1]), before > c});
        }
        before = now;
    }
    return StretchesOnSide(Dot(moonAt_.front(), toward) <= c, crossings, true, {hours_.front(), hours_.back()});
}

// The highest point of each stretch is a culmination within it or one of
// its ends: the altitude falls either side of the meridian. The true
// altitudes are compared, which the refraction does not reorder.
void ObservingNight::FindHighest(const TargetTurn& turn, const NightHours& culminations, const Intervals& searched,
                                 TargetAlmanac& target) const
{
    double highest = -2;  // below any sine
    const auto consider = [&](double h) {
        if (const double s = turn.SineOfAltitude(clock_.LstHours(h)); s > highest) {
            highest = s;
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
}

// The Moon nearest in the dark time (the whole night when it has none): the
// nearest sample, then the vertex of the parabola through it and its
// neighbours, or an end of a stretch.
void ObservingNight::FindMoonNearest(const Direction& toward, TargetAlmanac& target) const
{
    std::size_t best = darkSamples_.front().first;
    for (const auto& [first, last] : darkSamples_) {
        for (std::size_t i = first; i <= last; ++i) {
            if (Dot(moonAt_[i], toward) > Dot(moonAt_[best], toward)) {
                best = i;
            }
        }
    }
    target.moonLeastDistance = std::numeric_limits<double>::infinity();
    const auto nearer = [&](double h) {
        if (const double d = AngleOfCosine(Dot(MoonDirectionAt(h), toward)); d < target.moonLeastDistance) {
            target.moonLeastDistance = d;
            target.moonLeastAt = h;
        }
    };
    nearer(hours_[best]);
    if (best > 0 && best + 1 < hours_.size()) {
        const double a = Dot(moonAt_[best - 1], toward);
        const double b = Dot(moonAt_[best], toward);
        const double c = Dot(moonAt_[best + 1], toward);
        const double offset = (a - c) / (2 * (a - 2 * b + c));  // in steps, within +-0.5
        const double h = hours_[best] + offset * (hours_[best + 1] - hours_[best]);
        if (std::isfinite(h) && Within(darkOrNight_, h)) {
            nearer(h);
        }
    }
    for (const Interval& part : darkOrNight_) {
        nearer(part.from);
        nearer(part.to);
    }
}

}  // namespace orvexal
