// The Sun and the Moon through an observing night, seen from the site.
//
// At each instant: the pass's local mean sidereal time (astro/sidereal_time.h),
// the geometric altitude of the Sun's centre from its apparent place (Meeus,
// Astronomical Algorithms, ch. 25, about 0.01 degree) and the Greenwich
// apparent sidereal time, and the Moon's topocentric apparent place and
// geometric altitude (ephemeris/moon.h) with the altitude at which its upper
// limb stands on the horizon. Worked out once for each sample of a night,
// whatever is charted or planned against them.
#pragma once

#include <vector>

#include "astro/sky_place.h"
#include "ephemeris/topocentric.h"

namespace orvexal {

// The samples' step, minutes: the night from noon to noon in 145 samples.
constexpr double kSkyStepMinutes = 10;

// The refraction at the horizon, degrees (34'), and the Moon's mean radius,
// km (IAU 2015).
constexpr double kHorizonRefraction = 34.0 / 60;
constexpr double kMoonRadiusKm = 1737.4;

struct SkyInstant {
    double jd = 0;            // universal time
    double lstHours = 0;      // local mean sidereal time, the pass's, hours
    double sunAltitude = 0;   // the Sun's centre, geometric, degrees
    EquatorialPlace moon;     // topocentric apparent place, radians, true equator of date
    double moonAltitude = 0;  // the Moon's centre, geometric, degrees
    double moonHorizon = 0;   // its centre's geometric altitude at moonrise and moonset,
                              // degrees: -(34' + its topocentric semidiameter)
};

// The Sun and the Moon at an instant (JD, universal time) for a site.
SkyInstant SkyInstantAt(double jd, Observer site);

// The Sun's geometric altitude alone, degrees.
double SunAltitudeAt(double jd, Observer site);

// The sky every kSkyStepMinutes of the observing night around the local
// midnight (JD, universal time), from local noon to the next, both included.
struct NightSky {
    Observer site;
    double localMidnight = 0;
    std::vector<SkyInstant> samples;
};

NightSky SampleNightSky(Observer site, double localMidnight);

}  // namespace orvexal
