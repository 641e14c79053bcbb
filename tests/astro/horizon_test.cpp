#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "astro/horizon.h"
#include "numbers/number_text.h"
#include "numbers/packed.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Collects what the horizon computation hands over, in order.
struct Recorder : HorizonSink {
    std::vector<double> values;
    void HourAngle(double degrees) override { values.push_back(degrees); }
    void AirMass(double atmospheres) override { values.push_back(atmospheres); }
    void Altitude(double degrees) override { values.push_back(degrees); }
    void Azimuth(double degrees) override { values.push_back(degrees); }
};

double Radians(double degrees) { return degrees / kDegreesPerRadian; }

struct HorizonCase {
    double lst, raHours, decDegrees, latitude;
    double hourAngle, airMass, altitude, azimuth;
    const char* hourAngleText;
    const char* azimuthText;
};

TEST(HorizonCoordinates, WorkedValuesAndTheirTexts)
{
    const HorizonCase cases[] = {
        {13, 11, 20, 50, 30, 1.272991, 51.74331, 229.3402, " 2", " 229.2025"},
        {9, 11, 20, 50, -30, 1.272991, 51.74331, 130.6598, "-2", " 130.3935"},
        {1, 23, -10, 50, -330, 0, 0, 212.7695, "-22", nullptr},
    };
    for (const auto& c : cases) {
        Recorder r;
        HorizonCoordinates(c.lst, Radians(c.raHours * 15), Radians(c.decDegrees), c.latitude, r);
        ASSERT_EQ(r.values.size(), 4u);
        EXPECT_NEAR(r.values[0], c.hourAngle, 1e-9);
        EXPECT_EQ(FirstChars(GeneralText(PackDecimal(r.values[0] / 15)), 8), c.hourAngleText);
        EXPECT_NEAR(r.values[3], c.azimuth, 1e-4);
        if (c.airMass == 0) {
            continue;
        }
        EXPECT_NEAR(r.values[1], c.airMass, 1e-6);
        EXPECT_EQ(FirstChars(GeneralText(r.values[1]), 7), " 1.2729");
        EXPECT_NEAR(r.values[2], c.altitude, 1e-5);
        EXPECT_EQ(FirstChars(GeneralText(static_cast<double>(PackDecimal(r.values[2]))), 9), " 51.44359");
        EXPECT_EQ(FirstChars(GeneralText(PackDecimal(r.values[3])), 9), c.azimuthText);
    }
}

// A target on the equator seen from the equator, west of the meridian at
// the given true altitude (degrees): its hour angle is 90 - altitude.
Recorder AtTrueAltitude(double degrees)
{
    Recorder r;
    HorizonCoordinates((90 - degrees) / 15, 0, 0, 0, r);
    return r;
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
    // atmospheres.
    const Recorder horizon = AtTrueAltitude(0);
    EXPECT_NEAR(horizon.values[2], 28.98 / 60, 0.01 / 60);
    EXPECT_NEAR(horizon.values[1], 31.7, 0.05);
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

TEST(HorizonCoordinates, ExactHorizonAndZenithAreNoFaults)
{
    // Exactly on the horizon: the two terms of the zenith distance's cosine
    // cancel to 0 for this sidereal time (found by scanning neighbouring
    // doubles).
    Recorder onHorizon;
    HorizonCoordinates(0.14271332396004477, 0, Radians(-44.99), 44.99, onHorizon);
    EXPECT_NEAR(onHorizon.values[1], 31.7, 0.05);

    Recorder atZenith;
    HorizonCoordinates(0, 0, 0, 0, atZenith);
    EXPECT_EQ(atZenith.values, (std::vector<double>{0, 1, 90, 0}));
}

TEST(HorizonCoordinates, PoleLatitudeIsClampedNotAFault)
{
    Recorder r;
    EXPECT_NO_THROW(HorizonCoordinates(5, Radians(30), Radians(40), 90, r));
    EXPECT_EQ(r.values.size(), 4u);
}

}  // namespace
}  // namespace orvexal
