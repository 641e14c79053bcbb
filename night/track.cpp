#include "night/track.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "astro/angles.h"
#include "astro/angular_distance.h"
#include "astro/horizon.h"
#include "astro/moon.h"
#include "astro/precession.h"
#include "astro/sidereal_time.h"
#include "astro/sun.h"
#include "astro/twilight.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The margin of the chart before dusk and after dawn, hours.
constexpr double kMarginHours = 1;

// Where the Sun does not cross h0: noon to noon around local midnight.
constexpr double kHalfDay = 0.5;

// The J2000.0 epoch: with the Julian year, the Julian epoch of an instant,
// the equinox the target is moved to for its distance from the Moon.
constexpr double kJ2000Epoch = 2000.0;

// The Sun's altitudes that end the day and the three twilights, degrees;
// the limit k lies between Sky k (above) and Sky k + 1 (below).
constexpr double kSkyLimits[] = {0, -6, -12, -18};

// The horizon computation's four results.
struct HorizonValues : HorizonSink {
    double hourAngle = 0;  // degrees, not reduced
    double airMass = 0;
    double altitude = 0;
    double azimuth = 0;

    void HourAngle(double degrees) override { hourAngle = degrees; }
    void AirMass(double atmospheres) override { airMass = atmospheres; }
    void Altitude(double degrees) override { altitude = degrees; }
    void Azimuth(double degrees) override { azimuth = degrees; }
};

HorizonValues HorizonOf(double lst, EquatorialPlace place, double latitude)
{
    HorizonValues values;
    HorizonCoordinates(lst, place.rightAscension, place.declination, latitude, values);
    return values;
}

// The program's Sun at an instant, radians.
EquatorialPlace SunAt(double jd)
{
    return {PackedToDecimal(SunRightAscension(jd)) * kDegreesPerHour / kDegreesPerRadian,
            PackedToDecimal(SunDeclination(jd)) / kDegreesPerRadian};
}

// What every sample needs of the night.
struct Night {
    const NightInputs& inputs;
    EquatorialPlace targetOfDate;  // the target in the Moon's equinox (of date)

    double LocalHours(double jd) const { return (jd - inputs.localMidnight + 1) * kHoursPerDay; }
    double JdAt(double localHours) const { return inputs.localMidnight - 1 + localHours / kHoursPerDay; }
};

// The Moon's place is referred to the true equator of date, the target
// precessed to the mean equator of date: they differ by the nutation, some
// 20", nothing on the chart.
EquatorialPlace TargetOfDate(const NightInputs& inputs)
{
    const double epoch = kJ2000Epoch + (inputs.observationJd - kJ2000) / kDaysPerJulianYear;
    return Precess(inputs.targetEpoch, inputs.target.rightAscension, inputs.target.declination, epoch);
}

NightSample SampleAt(const Night& night, double jd)
{
    const Observer& site = night.inputs.site;
    NightSample s;
    s.jd = jd;
    s.localHours = night.LocalHours(jd);
    s.universalHours = WrapToPeriod(jd - kHalfDay, 1) * kHoursPerDay;
    s.siderealHours = LocalSiderealTime(jd, site.longitudeWestDeg);

    const HorizonValues target = HorizonOf(s.siderealHours, night.inputs.target, site.latitudeNorthDeg);
    s.hourAngle = WrapToPeriod(target.hourAngle / kDegreesPerHour + kHoursPerDay / 2, kHoursPerDay)
                  - kHoursPerDay / 2;
    s.altitude = target.altitude;
    s.azimuth = target.azimuth;
    s.airMass = target.airMass;

    s.sunAltitude = HorizonOf(s.siderealHours, SunAt(jd), site.latitudeNorthDeg).altitude;

    const EquatorialPlace moon = MoonTopocentricPlace(jd, site).equatorial;
    s.moonAltitude = HorizonOf(s.siderealHours, moon, site.latitudeNorthDeg).altitude;
    s.moonDistance = AngularDistance(moon, night.targetOfDate) * kDegreesPerRadian;
    return s;
}

// The pass's dusk and dawn, local hours: the searches' packed results are
// hours after the evening's midnight (dusk) and after local midnight (dawn).
struct Twilights {
    std::optional<double> dusk;
    std::optional<double> dawn;
};

Twilights TwilightsOf(const NightInputs& inputs)
{
    const float sunRa = SunRightAscension(inputs.observationJd);
    const float sunDec = SunDeclination(inputs.observationJd);
    const double lon = inputs.site.longitudeWestDeg;
    const double lat = inputs.site.latitudeNorthDeg;
    Twilights t;
    if (const auto dusk = DuskTime(lon, lat, inputs.twilight, inputs.localMidnight, sunRa, sunDec)) {
        t.dusk = PackedToDecimal(*dusk);
    }
    if (const auto dawn = DawnTime(lon, lat, inputs.twilight, inputs.localMidnight, sunRa, sunDec)) {
        t.dawn = kHoursPerDay + PackedToDecimal(*dawn);
    }
    return t;
}

std::vector<NightSample> Samples(const Night& night, double from, double to, double stepMinutes)
{
    const double step = stepMinutes / kMinutesPerDay;
    const double first = night.JdAt(from);
    const double last = night.JdAt(to);
    const auto steps = static_cast<long>(std::ceil((last - first) / step));
    std::vector<NightSample> samples;
    samples.reserve(static_cast<std::size_t>(steps) + 1);
    for (long k = 0; k < steps; ++k) {
        samples.push_back(SampleAt(night, first + k * step));
    }
    samples.push_back(SampleAt(night, last));
    return samples;
}

// The upper culmination: the hour angle passing from east to west of the
// meridian between two samples, interpolated in time, as the hour angle
// runs evenly. (Its jump at the lower culmination is from +12 to -12; a
// step of at most 2 h cannot mistake one for the other.)
std::optional<NightSample> MeridianCrossing(const Night& night, const std::vector<NightSample>& samples)
{
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const NightSample& a = samples[i - 1];
        const NightSample& b = samples[i];
        if (a.hourAngle < 0 && b.hourAngle >= 0) {
            const double f = -a.hourAngle / (b.hourAngle - a.hourAngle);
            return SampleAt(night, a.jd + f * (b.jd - a.jd));
        }
    }
    return std::nullopt;
}

// The altitude falls as the hour angle moves away from 0 on either side,
// so the highest point of the night is its culmination or one of its ends.
NightSample Highest(const std::vector<NightSample>& samples, const std::optional<NightSample>& crossing)
{
    NightSample highest = samples.front().altitude >= samples.back().altitude ? samples.front() : samples.back();
    if (crossing && crossing->altitude > highest.altitude) {
        highest = *crossing;
    }
    return highest;
}

NightSample MoonClosest(const std::vector<NightSample>& samples)
{
    return *std::min_element(samples.begin(), samples.end(), [](const NightSample& a, const NightSample& b) {
        return a.moonDistance < b.moonDistance;
    });
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
HorizonValues AtTrueAltitude(double h)
{
    return HorizonOf((90 - h) / kDegreesPerHour, {0, 0}, 0);
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
    const Night night{inputs, TargetOfDate(inputs)};
    const Twilights twilights = TwilightsOf(inputs);
    const bool crossed = twilights.dusk && twilights.dawn;
    const double from = crossed ? *twilights.dusk - kMarginHours : kHoursPerDay * kHalfDay;
    const double to = crossed ? *twilights.dawn + kMarginHours : kHoursPerDay * (1 + kHalfDay);

    NightTrack track;
    track.samples = Samples(night, from, to, stepMinutes);
    track.sky = SkyPeriods(track.samples);
    track.dusk = twilights.dusk;
    track.dawn = twilights.dawn;
    track.observation = SampleAt(night, inputs.observationJd);
    track.meridianCrossing = MeridianCrossing(night, track.samples);
    track.highest = Highest(track.samples, track.meridianCrossing);
    track.moonClosest = MoonClosest(track.samples);
    track.moonIlluminatedFraction = MoonIlluminatedFraction(night.JdAt((from + to) / 2));
    return track;
}

}  // namespace orvexal
