#include <gtest/gtest.h>

#include "astro/delta_t.h"

namespace orvexal {
namespace {

double JdOfYear(double year) { return 2451545.0 + (year - 2000) * 365.25; }

TEST(DeltaT, FollowsTheObservedValues)
{
    // Observed TT - UT1 at the start of the year (Astronomical Almanac).
    const struct {
        double year;
        double seconds;
    } observed[] = {{1950, 29.15}, {1970, 40.18}, {1980, 50.54}, {1990, 56.86}, {2000, 63.83}, {2010, 66.07}};
    for (const auto& o : observed) {
        EXPECT_NEAR(DeltaTSeconds(JdOfYear(o.year)), o.seconds, 1.0) << o.year;
    }
}

TEST(DeltaT, PiecesJoin)
{
    // Each polynomial ends within 0.25 s of where the next begins, as
    // published; a wrong coefficient shows as a step.
    for (double year : {-500.0, 500.0, 1600.0, 1700.0, 1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0,
                        2005.0, 2050.0, 2150.0}) {
        const double before = DeltaTSeconds(JdOfYear(year - 1e-6));
        const double after = DeltaTSeconds(JdOfYear(year));
        EXPECT_NEAR(before, after, 0.3) << year;
    }
}

TEST(DeltaT, TerrestrialTimeIsLater)
{
    EXPECT_NEAR((TerrestrialTime(2451545.0) - 2451545.0) * 86400, 63.86, 1e-3);
}

}  // namespace
}  // namespace orvexal
