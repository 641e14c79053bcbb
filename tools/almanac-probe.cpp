// The night's almanac for tools/almanac-accuracy. Reads lines
// "LONGITUDE(deg, west positive) LATITUDE(deg) MIDNIGHT_JD(UT) TWILIGHT(deg)
// RA(deg) DEC(deg)", the target referred to the mean equator and equinox of
// the date, and writes for each one line of JDs (UT), "none" where an event
// does not happen in the night:
//   sunset sunrise civil_dusk civil_dawn nautical_dusk nautical_dawn
//   astronomical_dusk astronomical_dawn dusk dawn moonrise moonset
//   target_rise target_transit target_set
// then the Moon's lit fraction at midnight, 1 when waxing (else 0), the
// target's apparent altitude at its culmination (deg) and its path
// (0 rises and sets, 1 never rises, 2 never sets).
#include <cstdio>
#include <optional>

#include "night/almanac.h"
#include "numbers/units.h"

namespace {

using namespace orvexal;

void PrintEvent(const Almanac& almanac, const std::optional<double>& hours)
{
    if (hours) {
        std::printf("%.8f ", JdOfNightHours(almanac.midnightJd, *hours));
    } else {
        std::printf("none ");
    }
}

}  // namespace

int main()
{
    constexpr double kJ2000Epoch = 2000.0;
    NightInputs inputs;
    double ra = 0;
    double dec = 0;
    while (std::scanf("%lf %lf %lf %lf %lf %lf", &inputs.site.longitudeWestDeg, &inputs.site.latitudeNorthDeg,
                      &inputs.localMidnight, &inputs.twilight, &ra, &dec)
           == 6) {
        inputs.observationJd = inputs.localMidnight;
        inputs.targetEpoch = kJ2000Epoch + (inputs.localMidnight - kJ2000) / kDaysPerJulianYear;
        inputs.target = {ra * kRadiansPerDegree, dec * kRadiansPerDegree};
        const Almanac a = ComputeAlmanac(inputs);
        for (const SunPassage* passage : {&a.sun.horizon, &a.sun.civil, &a.sun.nautical, &a.sun.astronomical,
                                          &a.sun.twilight}) {
            PrintEvent(a, passage->dusk);
            PrintEvent(a, passage->dawn);
        }
        for (const auto* event : {&a.moon.rise, &a.moon.set, &a.target.rise, &a.target.transit, &a.target.set}) {
            PrintEvent(a, *event);
        }
        std::printf("%.6f %d %.6f %d\n", a.moon.illuminatedFraction, a.moon.waxing ? 1 : 0,
                    a.target.transitAltitude, static_cast<int>(a.target.path));
    }
    return 0;
}
