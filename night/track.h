// The night at a glance: the target, the Sun and the Moon through the night
// of the last calculation.
//
// The night is the one whose dusk and dawn the pass reports (those around
// its local midnight, night/inputs.h). It is sampled from one hour
// before dusk to one hour after dawn or, where the Sun does not cross the
// twilight altitude that day (midnight sun, polar night), from noon to noon.
// At each sample the target's hour angle, altitude, azimuth and air mass
// follow the pass's own horizon rules (astro/horizon.h) with its mean
// sidereal time; the Sun's place is the program's low-precision Sun
// computed for that instant; the Moon's is its apparent topocentric place
// (parallax applied), taken through the same horizon rules, so that both
// curves carry the same refraction. Dusk and dawn are the pass's own.
//
// Times on the chart are local hours counted from the midnight that begins
// the evening's date: 18.5 is 18:30 that evening, 25.25 is 01:15 the next
// morning, as the pass writes a dusk after midnight.
#pragma once

#include <optional>
#include <vector>

#include "night/inputs.h"

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
    double sunAltitude = 0;     // the Sun's apparent altitude, degrees
    double moonAltitude = 0;    // the Moon's apparent topocentric altitude, degrees
    double moonDistance = 0;    // degrees between the Moon and the target
};

// The sky by the Sun's altitude: day (the Sun's centre above the horizon),
// civil twilight (down to -6 degrees), nautical (-12), astronomical (-18),
// night.
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
    std::optional<double> dusk;         // local hours; none when the Sun does not cross h0
    std::optional<double> dawn;
    NightSample observation;            // at the instant of the calculation, which may lie
                                        // outside the night
    std::optional<NightSample> meridianCrossing;  // the target's upper culmination in the night
    NightSample highest;                // the target at its highest in the night
    NightSample moonClosest;            // the sample where the Moon comes nearest the target
    double moonIlluminatedFraction = 0; // 0 (new) to 1 (full), at the middle of the night
};

// The chart's track every stepMinutes (kNightLeastStepMinutes to
// kNightLargestStepMinutes; std::invalid_argument outside).
NightTrack ComputeNightTrack(const NightInputs& inputs, double stepMinutes = kNightStepMinutes);

// The sky for the Sun at an apparent altitude in degrees.
Sky SkyAt(double sunAltitude);

// The apparent altitude, degrees, at which the pass's horizon rules give an
// air mass (1 at the zenith up to Young's 38 on the horizon), for a scale
// of air mass beside one of altitude.
double AltitudeOfAirMass(double airMass);

}  // namespace orvexal
