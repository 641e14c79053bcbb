#include <gtest/gtest.h>

#include "astro/sidereal_time.h"

namespace orvexal {
namespace {

struct SiderealCase {
    double jd;
    double longitude;
    double hours;  // before the rounding to single precision
    double tolerance = 0;
};

TEST(LocalSiderealTime, WorkedValuesRoundedToSingle)
{
    const SiderealCase cases[] = {
        {2446895.5, 0, 13.179546340555},
        // Just before a half day: the previous day's 0h UT, nearly 24 hours on.
        {2446895.4999, 0, 13.179546340555 - 0.0001 * 24 * 1.00273790934, 1e-5},
        {2451545.0, 0, 18.697374557870},
        {2451545.0, -100, 1.364041224537},
        {2451545.0, 122.8476111, 18.697374557870 - 122.8476111 / 15},
        {2451545.0, 300, 18.697374557870 - 20 + 24},
        {2451545.0, -500, 18.697374557870 + 500.0 / 15 - 24},  // beyond 180 degrees: one correction only
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(LocalSiderealTime(c.jd, c.longitude), static_cast<float>(c.hours), c.tolerance)
            << c.jd << " " << c.longitude;
    }
}

}  // namespace
}  // namespace orvexal
