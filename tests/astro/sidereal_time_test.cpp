#include <gtest/gtest.h>

#include "astro/sidereal_time.h"

namespace orvexal {
namespace {

struct SiderealCase {
    double jd;
    double longitude;
    double hours;  // before the rounding to single precision
};

TEST(LocalSiderealTime, WorkedValuesRoundedToSingle)
{
    const SiderealCase cases[] = {
        {2446895.5, 0, 13.179546340555},
        {2451545.0, 0, 18.697374557870},
        {2451545.0, -100, 1.364041224537},
        {2451545.0, 122.8476111, 18.697374557870 - 122.8476111 / 15},
        {2451545.0, 300, 18.697374557870 - 20 + 24},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalSiderealTime(c.jd, c.longitude), static_cast<float>(c.hours)) << c.jd;
    }
    EXPECT_EQ(static_cast<double>(LocalSiderealTime(2446895.5, 0)), 13.179546356201172);
}

TEST(LocalSiderealTime, JustBeforeHalfDayBelongsToThePreviousDay)
{
    const float before = LocalSiderealTime(2446895.4999, 0);
    EXPECT_NEAR(before, 13.179546340555 - 0.0001 * 24 * 1.00273790934, 1e-5);
}

TEST(LocalSiderealTime, LongitudeBeyond180GetsOneCorrectionOnly)
{
    EXPECT_EQ(LocalSiderealTime(2451545.0, -500), static_cast<float>(18.697374557870 + 500.0 / 15 - 24));
}

}  // namespace
}  // namespace orvexal
