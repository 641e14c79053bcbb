#include <gtest/gtest.h>

#include "ephemeris/apparent_star.h"
#include "ephemeris/delta_t.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Meeus, Astronomical Algorithms, 2nd ed., example 23.a: theta Persei on
// 2028 November 13.19 TD, mean place of date 41.5599646 +49.3520685 deg;
// nutation adds +15.843" in right ascension and +6.218" in declination, the
// annual aberration +30.045" and +6.697" (the full nutation series; the
// program's four terms are stated good to 0.5").
TEST(StarApparentPlace, AsMeeusWorksThetaPersei)
{
    constexpr double kJdTd = 2462088.69;
    const StarApparentPlace apparent(kJdTd - DeltaTSeconds(kJdTd) / 86400);
    const EquatorialPlace place = apparent({41.5599646 * kRadiansPerDegree, 49.3520685 * kRadiansPerDegree});
    const double raDeg = place.rightAscension / kRadiansPerDegree;
    const double decDeg = place.declination / kRadiansPerDegree;
    EXPECT_NEAR((raDeg - 41.5599646) * 3600, 15.843 + 30.045, 0.5);
    EXPECT_NEAR((decDeg - 49.3520685) * 3600, 6.218 + 6.697, 0.5);
}

}  // namespace
}  // namespace orvexal
