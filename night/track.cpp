#include "night/track.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "astro/angles.h"
#include "ephemeris/angular_distance.h"
#include "ephemeris/apparent_star.h"
#include "astro/horizon.h"
#include "night/sky.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The margin of the chart before dusk and after dawn, hours.
constexpr double kMarginHours = 1;

// The Sun's altitudes that end the day and the three twilights, degrees;
// the limit k lies between Sky k (above) and Sky k + 1 (below).
constexpr double kSkyLimits[] = {kSunsetAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude,
                                 kAstronomicalTwilightAltitude};

// What every sample needs of the night.
struct Night {
    const NightInputs& inputs;
    EquatorialPlace targetApparent;  // the target's apparent place, as the Moon's (true equator of date)
};

NightSample SampleAt(const Night& night, double jd)
{
    const Observer& site = night.inputs.site;
    const SkyInstant sky = SkyInstantAt(jd, site);
    NightSample s;
    s.jd = jd;
    s.localHours = NightHoursOf(night.inputs.localMidnight, jd);
    s.universalHours = WrapToPeriod(jd - 0.5, 1) * kHoursPerDay;  // the JD's day begins at noon
    s.siderealHours = sky.lstHours;

    const HorizonPlace target = HorizonPlaceOf(s.siderealHours, night.inputs.target, site.latitudeNorthDeg);
    s.hourAngle = WrapToPeriod(target.hourAngle / kDegreesPerHour + kHoursPerDay / 2, kHoursPerDay)
                  - kHoursPerDay / 2;
    s.altitude = target.altitude;
    s.azimuth = target.azimuth;
    s.airMass = target.airMass;
    s.sunAltitude = sky.sunAltitude;
    s.moonAltitude = HorizonPlaceOf(s.siderealHours, sky.moon, site.latitudeNorthDeg).altitude;
    s.moonDistance = AngularDistance(sky.moon, night.targetApparent) / kRadiansPerDegree;
    return s;
}

std::vector<NightSample> Samples(const Night& night, double from, double to, double stepMinutes)
{
    const double step = stepMinutes / kMinutesPerDay;
    const double first = JdOfNightHours(night.inputs.localMidnight, from);
    const double last = JdOfNightHours(night.inputs.localMidnight, to);
    const auto steps = static_cast<long>(std::ceil((last - first) / step));
    std::vector<NightSample> samples;
    samples.reserve(static_cast<std::size_t>(steps) + 1);
    for (long k = 0; k < steps; ++k) {
        samples.push_back(SampleAt(night, first + k * step));
    }
    samples.push_back(SampleAt(night, last));
    return samples;
}

// The stretches of sky, each limit crossed between two samples placed by
// linear interpolation of the Sun's altitude (several in one step when the
// Sun moves fast or the step is long).
std::vector<SkyPeriod> SkyPeriods(const std::vector<NightSample>& samples)
{
    const NightSample& first = samples.front();
    std::vector<SkyPeriod> periods{{SkyAt(first.sunAltitude), first.localHours, first.localHours}};
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const NightSample& a = samples[i - 1];
        const NightSample& b = samples[i];
        const bool setting = b.sunAltitude < a.sunAltitude;
        for (int n = 0; n < std::ssize(kSkyLimits); ++n) {
            const int k = setting ? n : static_cast<int>(std::ssize(kSkyLimits)) - 1 - n;
            const double limit = kSkyLimits[k];
            if ((a.sunAltitude >= limit) == (b.sunAltitude >= limit)) {
                continue;
            }
            const double at = a.localHours + (limit - a.sunAltitude) / (b.sunAltitude - a.sunAltitude)
                                                 * (b.localHours - a.localHours);
            periods.back().to = at;
            periods.push_back({static_cast<Sky>(setting ? k + 1 : k), at, at});
        }
        periods.back().to = b.localHours;
    }
    return periods;
}

// A target on the equator seen from the equator at an hour angle of
// 90 - h degrees stands at the true altitude h.
HorizonPlace AtTrueAltitude(double h)
{
    return HorizonPlaceOf((90 - h) / kDegreesPerHour, {0, 0}, 0);
}

constexpr int kAirMassHalvings = 60;

}  // namespace

double AltitudeOfAirMass(double airMass)
{
    double low = 0;  // true altitudes, degrees; the air mass falls as they rise
    double high = 90;
    for (int i = 0; i < kAirMassHalvings; ++i) {
        const double h = (low + high) / 2;
        (AtTrueAltitude(h).airMass > airMass ? low : high) = h;
    }
    return AtTrueAltitude((low + high) / 2).altitude;
}

double AirMassOfAltitude(double apparentDeg)
{
    return AtTrueAltitude(TrueAltitudeOfApparent(apparentDeg)).airMass;
}

std::vector<double> AltitudesAt(const std::vector<NightSample>& samples, EquatorialPlace place,
                                double latitudeNorthDeg)
{
    std::vector<double> altitudes;
    altitudes.reserve(samples.size());
    for (const NightSample& sample : samples) {
        altitudes.push_back(HorizonPlaceOf(sample.siderealHours, place, latitudeNorthDeg).altitude);
    }
    return altitudes;
}

Sky SkyAt(double sunAltitude)
{
    int k = 0;
    while (k < std::ssize(kSkyLimits) && sunAltitude < kSkyLimits[k]) {
        ++k;
    }
    return static_cast<Sky>(k);
}

NightTrack ComputeNightTrack(const NightInputs& inputs, double stepMinutes)
{
    if (!(stepMinutes >= kNightLeastStepMinutes && stepMinutes <= kNightLargestStepMinutes)) {
        throw std::invalid_argument("night step out of range");
    }
    const Night night{inputs, StarApparentPlace(inputs.localMidnight)(TargetOfDate(inputs))};
    NightTrack track;
    track.almanac = ComputeAlmanac(inputs);
    const SunPassage& twilight = track.almanac.sun.twilight;
    // (A zone far from the site's longitude can put the dark time across
    // local noon: dusk then follows dawn, and the chart runs noon to noon.)
    const bool crossed = twilight.dusk && twilight.dawn && *twilight.dusk < *twilight.dawn;
    const double from = crossed ? std::max(*twilight.dusk - kMarginHours, kNightStartHours) : kNightStartHours;
    const double to = crossed ? std::min(*twilight.dawn + kMarginHours, kNightEndHours) : kNightEndHours;
    const auto at = [&](double hours) { return SampleAt(night, JdOfNightHours(inputs.localMidnight, hours)); };

    track.samples = Samples(night, from, to, stepMinutes);
    track.sky = SkyPeriods(track.samples);
    track.observation = SampleAt(night, inputs.observationJd);
    if (const auto& transit = track.almanac.target.transit) {
        track.meridianCrossing = at(*transit);
    }
    track.highest = at(track.almanac.target.highestAt);
    track.moonClosest = at(track.almanac.target.moonLeastAt);
    return track;
}

}  // namespace orvexal
