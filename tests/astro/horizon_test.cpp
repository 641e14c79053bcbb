#include <gtest/gtest.h>

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

TEST(HorizonCoordinates, BelowTheHorizonGivesNegativeAirMassAndAltitude)
{
    Recorder r;
    HorizonCoordinates(1, Radians(13 * 15), Radians(-30), 50, r);
    ASSERT_EQ(r.values.size(), 4u);
    EXPECT_LT(r.values[1], 0);
    EXPECT_LT(r.values[2], 0);
}

TEST(HorizonCoordinates, HorizonAndZenithDivideByZero)
{
    // Exactly on the horizon: the two terms of the zenith distance's cosine
    // cancel to 0 for this sidereal time (found by scanning neighbouring
    // doubles).
    Recorder onHorizon;
    try {
        HorizonCoordinates(0.14271332396004477, 0, Radians(-44.99), 44.99, onHorizon);
        FAIL() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::DivisionByZero);
    }
    EXPECT_EQ(onHorizon.values.size(), 1u);  // the hour angle was handed over

    Recorder atZenith;
    try {
        HorizonCoordinates(0, 0, 0, 0, atZenith);
        FAIL() << "no fault";
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::DivisionByZero);
    }
    EXPECT_EQ(atZenith.values.size(), 3u);  // up to the altitude
}

TEST(HorizonCoordinates, PoleLatitudeIsClampedNotAFault)
{
    Recorder r;
    EXPECT_NO_THROW(HorizonCoordinates(5, Radians(30), Radians(40), 90, r));
    EXPECT_EQ(r.values.size(), 4u);
}

}  // namespace
}  // namespace orvexal
