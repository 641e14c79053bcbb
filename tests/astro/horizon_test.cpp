#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/horizon.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Collects what the horizon computation hands over: hour angle, air mass,
// altitude, azimuth.
struct Recorder : HorizonSink {
    std::vector<double> values;
    void HourAngle(double degrees) override { values.push_back(degrees); }
    void AirMass(double atmospheres) override { values.push_back(atmospheres); }
    void Altitude(double degrees) override { values.push_back(degrees); }
    void Azimuth(double degrees) override { values.push_back(degrees); }
};

Recorder Horizon(double lst, double raHours, double decDegrees, double latitude)
{
    Recorder r;
    HorizonCoordinates(lst, {raHours * 15 / kDegreesPerRadian, decDegrees / kDegreesPerRadian}, latitude, r);
    return r;
}

// A target on the equator seen from the equator, west of the meridian at
// the given true altitude (degrees): its hour angle is 90 - altitude.
Recorder AtTrueAltitude(double degrees) { return Horizon((90 - degrees) / 15, 0, 0, 0); }

TEST(HorizonCoordinates, WorkedValues)
{
    const std::pair<Recorder, std::vector<double>> cases[] = {
        {Horizon(13, 11, 20, 50), {30, 1.2729911, 51.74331, 229.3402}},
        {Horizon(9, 11, 20, 50), {-30, 1.2729911, 51.74331, 130.6598}},
        {Horizon(0, 0, 0, 0), {0, 1, 90, 0}},  // the exact zenith: azimuth 0, no division by zero
        // sec z = 5.76: Hardie's air mass (1962) and 5' 30.4" of refraction
        {AtTrueAltitude(10), {80, 5.5979105, 10.091776, 270}},
        // 2 degrees up: Young's air mass (1994) and Saemundsson's 16.93'
        {AtTrueAltitude(2), {88, 18.0629436, 2.282095, 270}},
    };
    const double tolerances[] = {1e-9, 1e-7, 1e-5, 1e-4};
    for (const auto& [r, expected] : cases) {
        ASSERT_EQ(r.values.size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(r.values[i], expected[i], tolerances[i]) << expected[0] << " " << i;
        }
    }
    // At the pole a target stands at its declination, raised by the series'
    // refraction at z = 50 deg: 60.4" tan z - 0.067" tan^3 z = 71.9".
    const Recorder pole = Horizon(5, 2, 40, 90);
    ASSERT_EQ(pole.values.size(), 4u);
    EXPECT_NEAR(pole.values[2], 40 + 71.9 / 3600, 1e-4);
}

TEST(HorizonCoordinates, NearTheHorizonRefractionAndAirMassStayContinuous)
{
    // Where the series give way: the results on both sides differ by no
    // more than the curves' own change over the step.
    for (const double floor : {4.37, 4.04}) {
        const Recorder above = AtTrueAltitude(floor + 1e-9);
        const Recorder below = AtTrueAltitude(floor - 1e-9);
        EXPECT_NEAR(above.values[2], below.values[2], 1e-4) << floor;
        EXPECT_NEAR(above.values[1], below.values[1], 2e-3) << floor;
    }
    // On the horizon: Saemundsson's 29' of refraction and Young's 31.7
    // atmospheres, also where the zenith distance's cosine is exactly 0
    // (a sidereal time found by scanning neighbouring doubles).
    const Recorder horizon = AtTrueAltitude(0);
    EXPECT_NEAR(horizon.values[2], 28.98 / 60, 0.01 / 60);
    EXPECT_NEAR(horizon.values[1], 31.7, 0.05);
    Recorder exact;
    HorizonCoordinates(0.14271332396004477, {0, -44.99 / kDegreesPerRadian}, 44.99, exact);
    EXPECT_NEAR(exact.values[1], 31.7, 0.05);
}

TEST(HorizonCoordinates, SettingTargetSinksSteadilyAndAirMassSignFollowsAltitude)
{
    double previous = 90;
    for (double h = 10; h >= -5; h -= 0.01) {
        const Recorder r = AtTrueAltitude(h);
        ASSERT_EQ(r.values.size(), 4u) << h;
        const double altitude = r.values[2];
        const double airMass = r.values[1];
        EXPECT_LE(altitude, previous) << h;
        EXPECT_TRUE(std::isfinite(airMass)) << h;
        EXPECT_EQ(airMass > 0, altitude > 0) << h;
        EXPECT_EQ(altitude < 0, h < -0.574) << h;  // out of sight once refracted below
        previous = altitude;
    }
}

}  // namespace
}  // namespace orvexal
