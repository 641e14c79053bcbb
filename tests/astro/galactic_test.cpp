#include <gtest/gtest.h>

#include "astro/galactic.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

struct GalacticCase {
    double raHours;
    double decDegrees;
    double l;
    double b;
};

TEST(GalacticCoordinates, WorkedValues)
{
    const GalacticCase cases[] = {
        {0, 0, 96.5389928, -60.2274666},
        {6, 0, 207.0355714, -11.3270567},
        // The galactic centre: just above 0, not just below 360.
        {17 + 45 / 60.0 + 37.224 / 3600, -(28 + 56 / 60.0 + 10.23 / 3600), 0.0454522, -0.0846386},
    };
    for (const auto& c : cases) {
        const GalacticPlace g =
            GalacticCoordinates(c.raHours * 15 / kDegreesPerRadian, c.decDegrees / kDegreesPerRadian);
        EXPECT_NEAR(g.l * kDegreesPerRadian, c.l, 5e-7) << c.raHours;
        EXPECT_NEAR(g.b * kDegreesPerRadian, c.b, 5e-7) << c.raHours;
    }
}

}  // namespace
}  // namespace orvexal
