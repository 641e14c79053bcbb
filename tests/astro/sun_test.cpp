#include <gtest/gtest.h>

#include <cmath>

#include "astro/sun.h"
#include "astro/twilight.h"
#include "numbers/packed.h"

namespace orvexal {
namespace {

TEST(SunPlace, WorkedValues)
{
    const std::tuple<double, double, double> cases[] = {
        // JD, RA packed H.MMSS, Dec packed D.MMSS
        {2442412.5, 18.385117, -23.075747},  // the theory's epoch
        {2451545.0, 18.442247, -23.022833},
        {2455000.5, 5.452294, 23.232573},
    };
    for (const auto& [jd, ra, dec] : cases) {
        EXPECT_NEAR(PackDecimal(SunRightAscension(jd)), ra, 1.5e-6) << jd;
        EXPECT_NEAR(PackDecimal(SunDeclination(jd)), dec, 1.5e-6) << jd;
    }
    // Eastward by 3.6 to 4.4 minutes a day through every quadrant, once a
    // year across 0 h.
    double previous = SunRightAscension(2455000.5 - 100);
    for (int day = -99; day < 365; ++day) {
        const double ra = SunRightAscension(2455000.5 + day);
        const double step = ra > previous ? ra - previous : ra + 24 - previous;
        EXPECT_TRUE(ra >= 0 && ra < 24 && step > 0.059 && step < 0.074) << day << ": " << ra;
        previous = ra;
    }
}

// The default site, 122.50514 W, 53.45289 N, zone 8: dusk and dawn for a Sun
// altitude of -10 degrees, packed H.MMSS.
TEST(Twilight, DefaultSiteInsideTheDesignedWindows)
{
    const double longitude = 122 + 50 / 60.0 + 51.4 / 3600;
    const double latitude = 53 + 45 / 60.0 + 28.9 / 3600;
    const std::tuple<double, double, double> cases[] = {
        // observation instant (UT), dusk, dawn
        {2458271.75, 22.105127, 2.043510},
        {2458454.75, 17.063463, 6.512760},
    };
    for (const auto& [jd, dusk, dawn] : cases) {
        const double midnight = std::floor(jd - 0.5) + 0.5 + 8 / 24.0;
        // The Sun held where the pass keeps it, packed in single precision.
        const double ra = PackedToDecimal(PackDecimal(SunRightAscension(jd)));
        const double dec = PackedToDecimal(PackDecimal(SunDeclination(jd)));
        EXPECT_NEAR(DecimalToPacked(DuskTime(longitude, latitude, -10, midnight, ra, dec).value()), dusk, 2e-6) << jd;
        EXPECT_NEAR(DecimalToPacked(DawnTime(longitude, latitude, -10, midnight, ra, dec).value()), dawn, 2e-6) << jd;
    }
}

}  // namespace
}  // namespace orvexal
