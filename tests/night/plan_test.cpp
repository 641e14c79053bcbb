#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "night/plan.h"
#include "night/track.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// La Palma (17.88 W, 28.76 N) on the night of 2024 December 15 to 16, night
// hours counted from December 15, 0h UT (the midnight JD 2460660.5 is 24 h),
// dark below -12 degrees: dusk at 19.19955 h, dawn at 31.03882 h. The Moon,
// just past full, stands at 93.13 +28.38 (J2000, topocentric) at midnight.
// astropy 5.2.1 (offline, built-in ephemeris) by
//   tools/plan-accuracy --worked "17.88 28.76 2460660.5 -12 ALTITUDE MOON" "RA DEC"
// (with --max-airmass 2 for the last row): the J2000 FK5 place to AltAz with
// pressure 0 plus Saemundsson's refraction, the angle from the topocentric
// Moon, each condition sampled every 2 minutes and its crossings halved to
// 0.015 s; dusk and dawn, the first line of its answer, the same way from
// get_body('sun').
constexpr double kDusk = 19.19955;
constexpr double kDawn = 31.03882;

struct WorkedTarget {
    const char* what;
    double raDeg;  // J2000
    double decDeg;
    TargetLimits limits;
    TargetPath path;
    std::optional<double> rise;  // night hours
    double transit;
    std::optional<double> set;
    Intervals windows;
    double best;  // the highest point in the windows, else in the dark time
    double toleranceSeconds;
};

TEST(PlanTargets, WorkedNightAsAstropyHasIt)
{
    const double m42Ra = (5 + 35 / 60.0 + 17 / 3600.0) * kDegreesPerHour;
    const double m42Dec = -(5 + 23 / 60.0 + 28 / 3600.0);
    const WorkedTarget worked[] = {
        {"transits in the dark", m42Ra, m42Dec, {30, 0}, TargetPath::RisesAndSets, 19.29192, 25.12254, 30.95316,
         {{21.70582, 28.53926}}, 25.12254, 10},
        // 1 degree north of the Moon's path: within 1.5 degrees of it from
        // 21:43 to 26:58, past its culmination at 25:45. The distance changes
        // by 22" a minute at the limit, so the Moon's place, good to a few
        // seconds of arc, moves the ends by up to 15 s.
        {"the Moon splits its window", 93.13, 29.38, {30, 1.5}, TargetPath::RisesAndSets, 18.51493, 25.74757,
         32.98019, {{21.10571, 21.72393}, {26.96218, 30.38942}}, 26.96218, 15},
        {"rises after dawn", 255, -20, {30, 0}, TargetPath::RisesAndSets, 31.24348, 12.57217, 17.83532, {}, kDawn,
         10},
        // Altair, up since before noon, setting in the dark.
        {"sets after dusk", 297.696, 8.868, {30, 0}, TargetPath::RisesAndSets, 32.98397, 15.40635, 21.76319,
         {{kDusk, 19.43667}}, kDusk, 10},
        {"never sets", 30, 80, {30, 0}, TargetPath::NeverSets, {}, 21.57191, {}, {{kDusk, 26.90509}}, 21.57191, 10},
        {"never rises", 120, -75, {30, 0}, TargetPath::NeverRises, {}, 27.49943, {}, {}, 27.49943, 10},
        // astropy: Young's (1994) air mass at most 2 at the geometric
        // altitude. The pass's air mass there (a third-order series in sec z,
        // astro/horizon.h) is 0.003 below Young's, which puts air mass 2 some
        // 2.7' higher: 13 s later in the evening, 16 s earlier in the morning.
        {"air mass 2", m42Ra, m42Dec, {AltitudeOfAirMass(2), 0}, TargetPath::RisesAndSets, 19.29192, 25.12254,
         30.95316, {{21.69662, 28.54846}}, 25.12254, 20},
    };
    const PlanNight night{{17.88, 28.76}, 2460660.5, -12};
    for (const WorkedTarget& w : worked) {
        SCOPED_TRACE(w.what);
        const double tolerance = w.toleranceSeconds / 3600;  // hours
        const CatalogPlace place{{w.raDeg * kRadiansPerDegree, w.decDeg * kRadiansPerDegree}};
        const NightPlan plan = PlanTargets(night, {&place, 1}, w.limits);
        ASSERT_EQ(plan.dark.size(), 1u);
        EXPECT_NEAR(plan.dark[0].from, kDusk, tolerance);
        EXPECT_NEAR(plan.dark[0].to, kDawn, tolerance);
        const TargetPlan& target = plan.targets.at(0);
        EXPECT_EQ(target.night.path, w.path);
        ASSERT_EQ(target.night.rise.has_value(), w.rise.has_value());
        ASSERT_EQ(target.night.set.has_value(), w.set.has_value());
        if (w.rise) {
            EXPECT_NEAR(*target.night.rise, *w.rise, tolerance);
            EXPECT_NEAR(*target.night.set, *w.set, tolerance);
        }
        EXPECT_NEAR(target.night.transit.value(), w.transit, tolerance);
        ASSERT_EQ(target.night.windows.size(), w.windows.size());
        for (std::size_t i = 0; i < w.windows.size(); ++i) {
            EXPECT_NEAR(target.night.windows[i].from, w.windows[i].from, tolerance);
            EXPECT_NEAR(target.night.windows[i].to, w.windows[i].to, tolerance);
        }
        EXPECT_EQ(target.Observable(), !w.windows.empty());
        if (!w.windows.empty()) {
            const Interval& longest =
                *std::ranges::max_element(w.windows, {}, [](const Interval& i) { return i.to - i.from; });
            EXPECT_NEAR(target.longest.value().from, longest.from, tolerance);
        }
        EXPECT_NEAR(target.night.highestAt, w.best, tolerance);
    }
}

}  // namespace
}  // namespace orvexal
