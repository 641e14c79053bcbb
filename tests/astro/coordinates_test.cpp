#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "astro/angles.h"
#include "astro/constellation.h"
#include "astro/galactic.h"
#include "astro/precession.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The quadrant angle keeps its own pi (3.14159265358959) and full turn, the
// arccosine its pi to ten decimals and a right angle below 1E-8.
TEST(Angles, OwnPiAndTheEdges)
{
    const std::tuple<double, double, double> quadrant[] = {
        {1, 0, 0}, {-1, 1, 2.35619449019}, {1, -1, 5.49778714378}, {0, 1, 1.5707963267948966},
        {0, -1, 6.28318530717918 - 1.5707963267948966}, {0, 0, 0},
    };
    for (const auto& [x, y, angle] : quadrant) {
        EXPECT_NEAR(QuadrantAngle(x, y), angle, 1e-11) << x << "," << y;
    }
    EXPECT_EQ(QuadrantAngle(-1, 0), 3.14159265358959);
    EXPECT_EQ(QuadrantAngle(1, -1e-300), 6.28318530717918);
    const std::pair<double, double> arcCosine[] = {
        {1, 0}, {1.5, 0}, {-1, 3.1415926535}, {9.9e-9, 1.5707963268}, {1.01e-8, 1.5707963166948966},
        {0.5, 1.0471975511965979}, {-0.5, 2.0943951023034},
    };
    for (const auto& [x, angle] : arcCosine) {
        EXPECT_NEAR(ArcCosine(x), angle, 1e-13) << x;
    }
    EXPECT_NEAR(ArcSine(0.5), 0.523598775598, 1e-12);
    EXPECT_EQ(ArcSine(1), 1.5707963267948966);
    EXPECT_EQ(ArcSine(-1.0000001), -1.5707963267948966);  // past 1 by rounding
}

// Whole periods come off exactly, as std::fmod takes them: at a multiple,
// a last place either side of one, below zero, and over a random sweep of
// magnitudes up to 2^53 (where the division gives way to fmod itself).
TEST(Angles, WrapToPeriodLeavesTheExactRemainder)
{
    const std::tuple<double, double, double> cases[] = {
        {48, 24, 0}, {-48, 24, 0}, {std::nextafter(48.0, 0.0), 24, 24 - 0x1p-47},
        {std::nextafter(48.0, 64.0), 24, 0x1p-47}, {-0x1p-47, 24, 24 - 0x1p-47}, {-1e-300, 360, 360}, {725.5, 360, 5.5},
    };
    for (const auto& [x, period, wrapped] : cases) {
        EXPECT_EQ(WrapToPeriod(x, period), wrapped) << x << " " << period;
        EXPECT_FALSE(std::signbit(WrapToPeriod(x, period))) << x;
    }
    std::mt19937_64 random(11);
    for (int i = 0; i < 300000; ++i) {
        const double x = std::ldexp(std::uniform_real_distribution<double>(-1, 1)(random), i % 54);
        for (const double period : {24.0, 360.0, 1.0}) {
            const double r = std::fmod(x, period);
            ASSERT_EQ(WrapToPeriod(x, period), r < 0 ? r + period : r + 0.0) << std::hexfloat << x << " " << period;
        }
    }
}

TEST(Precess, WorkedValuesAndLimits)
{
    const std::tuple<double, double, double, double, double, double> cases[] = {
        // from, RA hours, Dec degrees, to, new RA hours, new Dec degrees
        {1950, 0, 0, 2000, 0.0427192334, 0.2778509396},
        {2000, 6, 30, 1875, 5.8664744781, 29.9878571437},
        {2000, 12, -45, 2000, 11.9999999863, -45},
    };
    for (const auto& [from, ra, dec, to, newRa, newDec] : cases) {
        const EquatorialPlace p = Precess(from, {ra * 15 / kDegreesPerRadian, dec / kDegreesPerRadian}, to);
        EXPECT_NEAR(p.rightAscension * kDegreesPerRadian / 15, newRa, 1e-9) << from << "->" << to;
        EXPECT_NEAR(p.declination * kDegreesPerRadian, newDec, 1e-9) << from << "->" << to;
    }
    EXPECT_EQ(Precess(2000, {0, 1.5707963267948966}, 2000).declination, 1.5707963267948966);
    EXPECT_NEAR(Precess(2000, {1.5707963267948966, 0}, 2000).rightAscension, 1.5707963267948966, 1e-15);
}

TEST(GalacticCoordinates, WorkedValues)
{
    const std::tuple<double, double, double, double> cases[] = {
        // RA hours, Dec degrees, l, b degrees
        {0, 0, 96.5389928, -60.2274666},
        {6, 0, 207.0355714, -11.3270567},
        // The galactic centre: just above 0, not just below 360.
        {17 + 45 / 60.0 + 37.224 / 3600, -(28 + 56 / 60.0 + 10.23 / 3600), 0.0454522, -0.0846386},
    };
    for (const auto& [ra, dec, l, b] : cases) {
        const GalacticPlace g = GalacticCoordinates({ra * 15 / kDegreesPerRadian, dec / kDegreesPerRadian});
        EXPECT_NEAR(g.l * kDegreesPerRadian, l, 5e-7) << ra;
        EXPECT_NEAR(g.b * kDegreesPerRadian, b, 5e-7) << ra;
    }
}

TEST(FindConstellation, FirstBoxHoldingThePosition)
{
    struct Box {
        double raLow, raHigh, decLow;
        const char* abbrev;
    };
    ConstellationTables t;
    for (const Box& box : {Box{0, 24, 88, "UMi"}, Box{8, 14.5, 86.5, "UMi"}, Box{0, 8, 85, "Cep"},
                           Box{14.5, 24, 85, "Dra"}, Box{0, 24, -90, "Oct"}}) {
        ++t.ConCount;
        std::tie(t.ConRaLow[t.ConCount], t.ConRaHigh[t.ConCount], t.ConDecLow[t.ConCount], t.ConAbbrev[t.ConCount]) =
            std::tuple(box.raLow, box.raHigh, box.decLow, box.abbrev);
    }
    const std::tuple<double, double, const char*> cases[] = {
        {0, 90, "UMi"}, {8, 86.5, "UMi"},  // lower RA and lower Dec inside
        {14.5, 86.5, "Dra"},               // upper RA outside: a later record
        {7.9999, 86.5, "Cep"}, {0, -90, "Oct"}, {24, 0, ""},  // passes the check, lies in no box
        {-0.0001, 0, "[invalid coords]"}, {24.0001, 0, "[invalid coords]"},
        {12, 90.0001, "[invalid coords]"}, {12, -90.0001, "[invalid coords]"},
    };
    for (const auto& [ra, dec, abbrev] : cases) {
        EXPECT_EQ(FindConstellation(t, ra, dec), abbrev) << ra << " " << dec;
    }
    // A table cut short finds nothing beyond its last record.
    t.ConCount = 2;
    EXPECT_EQ(FindConstellation(t, 3, 87), "");
    EXPECT_EQ(FindConstellation(t, 10, 0), "");  // below the last record's lower declination
    t.ConCount = 0;
    EXPECT_EQ(FindConstellation(t, 3, 89), "");
}

}  // namespace
}  // namespace orvexal
