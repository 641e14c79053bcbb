#include <gtest/gtest.h>

#include "astro/sun.h"
#include "astro/twilight.h"
#include "numbers/number_text.h"

namespace orvexal {
namespace {

// The default site: 122.50514 W, 53.45289 N as decimal degrees.
constexpr double kLongitude = 122 + 50 / 60.0 + 51.4 / 3600;
constexpr double kLatitude = 53 + 45 / 60.0 + 28.9 / 3600;

struct TwilightCase {
    double jd;   // observation instant, UT
    double jd0;  // local midnight
    double h0;
    const char* dusk;
    const char* dawn;
    double duskPacked;
    double dawnPacked;
};

TEST(Twilight, DefaultSiteInsideTheDesignedWindows)
{
    const double june = 2458271.75;
    const double juneMidnight = 2458271.5 + 8 / 24.0;
    const double december = 2458454.75;
    const double decemberMidnight = 2458454.5 + 8 / 24.0;
    const TwilightCase cases[] = {
        {june, juneMidnight, -10, " 22.1051", " 2.04351", 22.105127, 2.043510},
        {december, decemberMidnight, -10, " 17.0634", " 6.51276", 17.063463, 6.512760},
    };
    // The field keeps the first 8 characters of the single text.
    for (const auto& c : cases) {
        const float ra = SunRightAscension(c.jd);
        const float dec = SunDeclination(c.jd);
        const float dusk = DuskTime(kLongitude, kLatitude, c.h0, c.jd0, ra, dec).value();
        const float dawn = DawnTime(kLongitude, kLatitude, c.h0, c.jd0, ra, dec).value();
        EXPECT_NEAR(dusk, c.duskPacked, 2e-6);
        EXPECT_NEAR(dawn, c.dawnPacked, 2e-6);
        EXPECT_EQ(FirstChars(GeneralText(dusk), 8), c.dusk);
        EXPECT_EQ(FirstChars(GeneralText(dawn), 8), c.dawn);
    }
}

TEST(Twilight, PackingWithTheGuardBeforeScaling)
{
    EXPECT_NEAR(DecimalToPacked(2.0764160), 2.043510, 1e-6);
    EXPECT_NEAR(DecimalToPacked(0.002197265625), 0.000791, 1e-6);
    EXPECT_EQ(DecimalToPacked(2.0166666), 2.01f);
    EXPECT_EQ(DecimalToPacked(-1.5), -1.3f);
    EXPECT_NEAR(PackedToDecimal(22.080957), 22 + 8 / 60.0 + 9.57 / 3600, 1e-6);
    EXPECT_NEAR(PackedToDecimal(-0.30), -0.5, 1e-12);
}

}  // namespace
}  // namespace orvexal
