#include <gtest/gtest.h>

#include "pass/clock.h"

namespace orvexal {
namespace {

// Julian Dates of UTC readings as astropy 5.2 gives them (Time(iso, scale='utc').jd):
// Meeus's example 7.a (1957 October 4.81), a leap day's last second, and the
// tests' fixed "now".
TEST(Clock, JulianDateOfAUtcReading)
{
    const struct {
        DateTime utc;
        double jd;
    } cases[] = {
        {{1957, 10, 4, 19, 26, 24}, 2436116.31},
        {{2000, 2, 29, 23, 59, 59}, 2451604.4999884},
        {{2026, 12, 5, 12, 48, 49}, 2461380.0339005},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(JulianDateOfUtc(c.utc), c.jd, 1e-7) << c.utc.year;
    }
}

}  // namespace
}  // namespace orvexal
