#include <gtest/gtest.h>

#include "astro/sun.h"
#include "astro/twilight.h"

namespace orvexal {
namespace {

struct SunCase {
    double jd;
    double ra;   // packed H.MMSS
    double dec;  // packed D.MMSS
};

TEST(SunPlace, WorkedValues)
{
    const SunCase cases[] = {
        {2442412.5, 18.385117, -23.075747},  // the theory's epoch
        {2451545.0, 18.442247, -23.022833},
        {2440587.5, 18.442247, -23.022833},  // 10957.5 days earlier: the same place
        {2455000.5, 5.452294, 23.232573},    // first quadrant
        {2458271.75, 4.391437, 22.080957},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(SunRightAscension(c.jd), c.ra, 1.5e-6) << c.jd;
        EXPECT_NEAR(SunDeclination(c.jd), c.dec, 1.5e-6) << c.jd;
    }
    EXPECT_EQ(SunRightAscension(2451545.0), SunRightAscension(2440587.5));
}

TEST(SunPlace, RightAscensionFollowsTheLongitudeThroughEveryQuadrant)
{
    double previous = PackedToDecimal(SunRightAscension(2455000.5 - 100));
    for (int day = -99; day < 365; ++day) {
        const double ra = PackedToDecimal(SunRightAscension(2455000.5 + day));
        EXPECT_GE(ra, 0);
        EXPECT_LT(ra, 24);
        // Eastward by 3.6 to 4.4 minutes a day, also across each quadrant;
        // once a year across 0 h.
        const double step = ra > previous ? ra - previous : ra + 24 - previous;
        EXPECT_GT(step, 0.059) << day;
        EXPECT_LT(step, 0.074) << day;
        previous = ra;
    }
}

}  // namespace
}  // namespace orvexal
