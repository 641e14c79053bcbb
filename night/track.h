// The night at a glance: the target, the Sun and the Moon through the
// observing night of the last calculation, with its almanac.
//
// The chart runs from one hour before dusk to one hour after dawn at the
// twilight altitude typed, as the almanac finds them with the Sun moving
// (night/almanac.h), or from noon to noon where the Sun does not pass that
// altitude in the night (midnight sun, polar night). At each sample the
// target's hour angle, altitude, azimuth and air mass follow the pass's own
// horizon rules (astro/horizon.h) with its mean sidereal time; the Sun's
// altitude is the geometric altitude of its centre from its apparent place
// (night/sky.h), as the almanac's twilights take it; the Moon's is its
// apparent topocentric place (parallax applied) taken through the pass's
// horizon rules, so that its curve carries the same refraction as the
// target's.
//
// Times on the chart are the night's hours (night/inputs.h): local hours
// counted from the midnight before the evening, 18.5 is 18:30 that evening,
// 25.25 is 01:15 the next morning, as the pass writes a dusk after midnight.
#pragma once

#include <optional>
#include <vector>

#include "night/almanac.h"

namespace orvexal {

// The step of the chart's samples, minutes, and the steps allowed.
constexpr double kNightStepMinutes = 10;
constexpr double kNightLeastStepMinutes = 1.0 / 60;
constexpr double kNightLargestStepMinutes = 120;

// One instant of the night.
struct NightSample {
    double jd = 0;              // universal time
    double localHours = 0;      // see above: 17.5 to 31 for an evening to a morning
    double universalHours = 0;  // 0 up to 24
    double siderealHours = 0;   // local mean sidereal time, 0 up to 24
    double hourAngle = 0;       // the target's, hours west of the meridian, -12 up to 12
    double altitude = 0;        // the target's apparent altitude, degrees
    double azimuth = 0;         // degrees from north through east
    double airMass = 0;         // atmospheres; negative (1 / cos z) below the horizon
    double sunAltitude = 0;     // the Sun's centre, geometric altitude, degrees
    double moonAltitude = 0;    // the Moon's apparent topocentric altitude, degrees
    double moonDistance = 0;    // degrees between the Moon and the target
};

// The sky by the Sun's altitude: day (the Sun up, its centre above
// kSunsetAltitude), civil twilight (down to -6 degrees), nautical (-12),
// astronomical (-18), night.
enum class Sky { Day, CivilTwilight, NauticalTwilight, AstronomicalTwilight, Night };

// A stretch of one sky, local hours; the ends are where the Sun's altitude,
// interpolated between samples, crosses the limit.
struct SkyPeriod {
    Sky sky = Sky::Day;
    double from = 0;
    double to = 0;
};

struct NightTrack {
    std::vector<NightSample> samples;   // every step from the start; the last one at the end
    std::vector<SkyPeriod> sky;         // from the first sample to the last, in order
    Almanac almanac;                    // the night's events, noon to noon
    NightSample observation;            // at the instant of the calculation, which may lie
                                        // outside the chart
    std::optional<NightSample> meridianCrossing;  // the target's upper culmination in the night
    NightSample highest;                // the target at its highest in the dark time
    NightSample moonClosest;            // the Moon nearest the target in the dark time
};

// The chart's track every stepMinutes (kNightLeastStepMinutes to
// kNightLargestStepMinutes; std::invalid_argument outside).
NightTrack ComputeNightTrack(const NightInputs& inputs, double stepMinutes = kNightStepMinutes);

// The sky for the Sun's centre at a geometric altitude in degrees.
Sky SkyAt(double sunAltitude);

// The apparent altitude, degrees, at which the pass's horizon rules give an
// air mass (1 at the zenith up to Young's 38 on the horizon), for a scale
// of air mass beside one of altitude.
double AltitudeOfAirMass(double airMass);

// The air mass the same rules give at an apparent altitude in degrees (0 up
// to 90): its inverse.
double AirMassOfAltitude(double apparentDeg);

// The apparent altitudes, degrees, of another target (radians, the place
// whose altitude the pass's rules compute) at each of a track's samples,
// for its curve beside the track's own.
std::vector<double> AltitudesAt(const std::vector<NightSample>& samples, EquatorialPlace place,
                                double latitudeNorthDeg);

}  // namespace orvexal
