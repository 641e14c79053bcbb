#include <gtest/gtest.h>

#include "astro/angles.h"

namespace orvexal {
namespace {

struct AngleCase {
    double x;
    double y;
    double angle;
};

TEST(QuadrantAngle, DirectionOfThePoint)
{
    const AngleCase cases[] = {
        {1, 0, 0},
        {-1, 0, 3.14159265358959},
        {-1, 1, 2.35619449019},
        {-1, -1, 3.92699081699},
        {1, -1, 5.49778714378},
        {1, -1e-300, 6.28318530717918},
        {0, 1, 1.5707963267948966},
        {0, -1, 6.28318530717918 - 1.5707963267948966},
        {0, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(QuadrantAngle(c.x, c.y), c.angle, 1e-11) << c.x << "," << c.y;
    }
    EXPECT_EQ(QuadrantAngle(1, -1e-300), 6.28318530717918);
    EXPECT_EQ(QuadrantAngle(-1, 0), 3.14159265358959);
}

TEST(ArcCosine, KeepsItsOwnPi)
{
    const std::pair<double, double> cases[] = {
        {1, 0}, {-1, 3.1415926535}, {0, 1.5707963268}, {5e-9, 1.5707963268},
        {1.5, 0}, {-1.0000001, 3.1415926535},
    };
    for (const auto& [x, angle] : cases) {
        EXPECT_EQ(ArcCosine(x), angle) << x;
    }
    EXPECT_NEAR(ArcCosine(0.5), 1.04719755120, 1e-11);
    EXPECT_NEAR(ArcCosine(-0.5), 2.09439510230, 1e-11);
}

TEST(ArcSine, InsideAndAtTheEdges)
{
    EXPECT_NEAR(ArcSine(0.5), 0.523598775598, 1e-12);
    EXPECT_NEAR(ArcSine(-0.5), -0.523598775598, 1e-12);
    EXPECT_EQ(ArcSine(1), 1.5707963267948966);
    EXPECT_EQ(ArcSine(-2), -1.5707963267948966);
}

}  // namespace
}  // namespace orvexal
