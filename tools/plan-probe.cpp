// The target plan of one night for tools/plan-accuracy. Reads the night
// from the first line, "LONGITUDE(deg, west positive) LATITUDE(deg)
// MIDNIGHT_JD(UT) TWILIGHT(deg) ALTITUDE_LIMIT(deg) MOON_LIMIT(deg, 0 for
// none)", then one target a line, "RA(deg) DEC(deg)" referred to the mean
// equator and equinox of J2000, and plans them all at once (night/plan.h).
// Writes for each target one line: its place of date (RA, Dec, degrees),
// then the JDs (UT) of its rise, transit and set, "none" where it has none
// in the night, then the number of its observable windows and the JDs of
// each one's start and end.
#include <cstdio>
#include <optional>
#include <vector>

#include "night/plan.h"
#include "numbers/units.h"

namespace {

using namespace orvexal;

void PrintJd(double localMidnight, const std::optional<double>& hours)
{
    if (hours) {
        std::printf(" %.8f", JdOfNightHours(localMidnight, *hours));
    } else {
        std::printf(" none");
    }
}

}  // namespace

int main()
{
    PlanNight night;
    TargetLimits limits;
    if (std::scanf("%lf %lf %lf %lf %lf %lf", &night.site.longitudeWestDeg, &night.site.latitudeNorthDeg,
                   &night.localMidnight, &night.twilightDeg, &limits.altitudeDeg, &limits.moonDistanceDeg)
        != 6) {
        std::fprintf(stderr, "plan-probe: the first line is the night\n");
        return 1;
    }
    std::vector<CatalogPlace> targets;
    double ra = 0;
    double dec = 0;
    while (std::scanf("%lf %lf", &ra, &dec) == 2) {
        targets.push_back({{ra * kRadiansPerDegree, dec * kRadiansPerDegree}});
    }
    for (const TargetPlan& plan : PlanTargets(night, targets, limits).targets) {
        std::printf("%.9f %.9f", plan.placeOfDate.rightAscension / kRadiansPerDegree,
                    plan.placeOfDate.declination / kRadiansPerDegree);
        for (const auto* event : {&plan.night.rise, &plan.night.transit, &plan.night.set}) {
            PrintJd(night.localMidnight, *event);
        }
        std::printf(" %zu", plan.night.windows.size());
        for (const Interval& window : plan.night.windows) {
            PrintJd(night.localMidnight, window.from);
            PrintJd(night.localMidnight, window.to);
        }
        std::printf("\n");
    }
    return 0;
}
