#include <gtest/gtest.h>

#include <numbers>

#include "astro/apparent_sidereal_time.h"
#include "astro/nutation.h"

namespace orvexal {
namespace {

constexpr double kArcsecond = std::numbers::pi / 180 / 3600;

// Meeus, Astronomical Algorithms, 2nd ed., examples 22.a and 12.a:
// 1987 April 10, 0h.
constexpr double kExample = 2446895.5;

TEST(Nutation, MeeusExample22a)
{
    // The full series gives -3.788" and +9.443"; the short one is stated
    // good to 0.5" and 0.1".
    const Nutation n = NutationAt(kExample);
    EXPECT_NEAR(n.inLongitude / kArcsecond, -3.788, 0.5);
    EXPECT_NEAR(n.inObliquity / kArcsecond, 9.443, 0.1);
    EXPECT_NEAR(n.meanObliquity / kArcsecond, 84387.407, 0.001);  // 23 26' 27.407"
    EXPECT_NEAR(n.TrueObliquity() / kArcsecond, 84396.850, 0.1);   // 23 26' 36.850"
}

TEST(ApparentSiderealTime, MeeusExamples12)
{
    struct Case {
        double jdUt;
        double seconds;  // of time since 0h
    };
    const Case cases[] = {
        {kExample, 13 * 3600 + 10 * 60 + 46.1351},                  // 12.a, apparent
        // 12.b, mean 8h 34m 57.0896s, with the equation of the equinoxes of 12.a
        {kExample + (19 + 21 / 60.0) / 24, 8 * 3600 + 34 * 60 + 57.0896 - 0.2317},
    };
    for (const Case& c : cases) {
        const double st = GreenwichApparentSiderealTime(c.jdUt, NutationAt(c.jdUt));
        EXPECT_NEAR(st / (2 * std::numbers::pi) * 86400, c.seconds, 0.01) << c.jdUt;
    }
}

}  // namespace
}  // namespace orvexal
