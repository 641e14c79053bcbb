#include <gtest/gtest.h>

#include <numbers>

#include "astro/angular_distance.h"

namespace orvexal {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

TEST(AngularDistance, WorkedValues)
{
    struct Case {
        const char* what;
        EquatorialPlace a, b;  // degrees here, radians below
        double degrees, tolerance;
    };
    const Case cases[] = {
        // Meeus, Astronomical Algorithms, example 17.a: Arcturus and Spica.
        {"Arcturus to Spica", {213.9154, 19.1825}, {201.2983, -11.1614}, 32.7930, 1e-4},
        {"the same place", {45, 30}, {45, 30}, 0, 0},
        {"across 0h", {359.5, 0}, {0.5, 0}, 1, 1e-12},
        {"across the pole", {0, 89.99}, {180, 89.99}, 0.02, 1e-12},
        {"pole to equator", {123, 90}, {10, 0}, 90, 1e-12},
        {"antipodes", {10, -20}, {190, 20}, 180, 1e-12},
        // 0.001" apart, where the cosine formula has no digits left.
        {"one milliarcsecond", {100, 20}, {100, 20 + 1 / 3.6e6}, 1 / 3.6e6, 1e-14},
    };
    for (const Case& c : cases) {
        const EquatorialPlace a{c.a.rightAscension * kDegree, c.a.declination * kDegree};
        const EquatorialPlace b{c.b.rightAscension * kDegree, c.b.declination * kDegree};
        EXPECT_NEAR(AngularDistance(a, b) / kDegree, c.degrees, c.tolerance) << c.what;
        EXPECT_NEAR(AngularDistance(a, b), AngularDistance(b, a), 1e-15) << c.what;
    }
}

}  // namespace
}  // namespace orvexal
