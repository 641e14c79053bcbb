#include <gtest/gtest.h>

#include "astro/precession.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

struct PrecessCase {
    double from;
    double raHours;
    double decDegrees;
    double to;
    double newRaHours;
    double newDecDegrees;
};

TEST(Precess, WorkedValues)
{
    const PrecessCase cases[] = {
        {1950, 0, 0, 2000, 0.0427192334, 0.2778509396},
        {2000, 0, 0, 1950, 23.9572807392, -0.2778509396},
        {2000, 6, 30, 1875, 5.8664744781, 29.9878571437},
        {2000, 12, -45, 2000, 11.9999999863, -45},
    };
    for (const auto& c : cases) {
        const EquatorialPlace p =
            Precess(c.from, c.raHours * 15 / kDegreesPerRadian, c.decDegrees / kDegreesPerRadian, c.to);
        EXPECT_NEAR(p.rightAscension * kDegreesPerRadian / 15, c.newRaHours, 1e-9) << c.from << "->" << c.to;
        EXPECT_NEAR(p.declination * kDegreesPerRadian, c.newDecDegrees, 1e-9) << c.from << "->" << c.to;
    }
}

TEST(Precess, ForthAndBackReturns)
{
    const EquatorialPlace there = Precess(1950, 1.2, 0.4, 2025);
    const EquatorialPlace back = Precess(2025, there.rightAscension, there.declination, 1950);
    EXPECT_NEAR(back.rightAscension, 1.2, 1e-7);
    EXPECT_NEAR(back.declination, 0.4, 1e-12);
}

TEST(Precess, PoleAndSixHourCircleGiveLimits)
{
    EXPECT_EQ(Precess(2000, 0, 1.5707963267948966, 2000).declination, 1.5707963267948966);
    EXPECT_NEAR(Precess(2000, 1.5707963267948966, 0, 2000).rightAscension, 1.5707963267948966, 1e-15);
}

}  // namespace
}  // namespace orvexal
