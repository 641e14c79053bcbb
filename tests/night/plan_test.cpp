#include <gtest/gtest.h>

#include "night/plan.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The Orion Nebula (J2000: 5h 35m 17s, -5 23' 28") from La Palma on the
// night of 2024 December 15 to 16, nautical twilight, the Moon just past
// full. astropy 5.2: it rises at 19.29193 h (apparent altitude 0 with
// Saemundsson's refraction), culminates at 25.12255 h and sets at
// 30.95316 h; the topocentric Moon comes to 34.5 deg from it at 21.50880 h
// (with the target's aberration and nutation, some 20" that the program
// leaves out: 0.2 deg an hour apart, within two minutes).
TEST(PlanTargets, AsTheAlmanacAndAstropyHaveIt)
{
    const CatalogPlace m42{{(5 + 35 / 60.0 + 17 / 3600.0) * kDegreesPerHour * kRadiansPerDegree,
                            -(5 + 23 / 60.0 + 28 / 3600.0) * kRadiansPerDegree}};
    const PlanNight night{{17.88, 28.76}, 2460660.5, -12};
    const TargetPlan plain = PlanTargets(night, {&m42, 1}, {10, 0}).targets.at(0);
    const TargetPlan moonLimited = PlanTargets(night, {&m42, 1}, {10, 34.5}).targets.at(0);
    constexpr double kSecond = 1.0 / 3600;
    EXPECT_NEAR(plain.night.rise.value(), 19.29193, 5 * kSecond);
    EXPECT_NEAR(plain.night.transit.value(), 25.12255, 5 * kSecond);
    EXPECT_NEAR(plain.night.set.value(), 30.95316, 5 * kSecond);
    ASSERT_EQ(moonLimited.night.windows.size(), 1u);
    EXPECT_NEAR(moonLimited.night.windows[0].from, 21.50880, 120 * kSecond);
    EXPECT_LT(plain.night.windows.at(0).from, 21);  // 10 deg up well before
    EXPECT_EQ(moonLimited.night.windows[0].to, plain.night.windows[0].to);
    EXPECT_EQ(moonLimited.longest->from, moonLimited.night.windows[0].from);
    EXPECT_NEAR(moonLimited.night.highest.altitude, moonLimited.night.transitAltitude, 1e-6);
}

}  // namespace
}  // namespace orvexal
