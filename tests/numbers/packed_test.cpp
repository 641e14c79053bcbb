#include <gtest/gtest.h>

#include "numbers/packed.h"

namespace orvexal {
namespace {

TEST(ParsePacked, TakesWholeMinutesAndSecondsApart)
{
    // packed value, whole, minutes, seconds, sign, decimal value
    const std::tuple<double, int, int, float, int, double> cases[] = {
        {20.4058, 20, 40, 58.0f, 1, 20.682777777777776},
        {53.45289, 53, 45, 28.9f, 1, 53.758027777671},  // the seconds in single precision
        {-0.30, 0, 30, 0.0f, -1, -0.5},
        {0, 0, 0, 0.0f, 0, 0},
        {20.75, 20, 75, 0.0f, 1, 21.25},            // minutes past 59 count as they stand
        {20.41, 20, 41, 0.0f, 1, 20.683333333333},  // held a hair below 20.41: the guard keeps the minute
    };
    for (const auto& [packed, whole, minutes, seconds, sign, decimal] : cases) {
        const PackedParts p = ParsePacked(packed);
        EXPECT_EQ(std::tuple(p.whole, p.minutes, p.sign), std::tuple(whole, minutes, sign)) << packed;
        EXPECT_NEAR(p.seconds, seconds, 2e-4) << packed;
        EXPECT_NEAR(p.decimal, decimal, 1e-11) << packed;
    }
}

TEST(PackDecimal, PacksIntoSinglePrecision)
{
    const std::pair<double, float> cases[] = {
        {20.682777777777776, 20.4058f}, {20.99999, 20.595996f},  // 59.964 s: the seconds are not carried
        {20.99999999, 21.0f}, {-20.99999999, -21.0f},            // within the guard below a whole number
        {-0.5, -0.3f},        {0, 0.0f},                         {32767, 32767.0f},
    };
    for (const auto& [decimal, packed] : cases) {
        EXPECT_EQ(PackDecimal(decimal), packed) << decimal;
    }
    // A whole part beyond sixteen bits is an overflow.
    for (const double value : {32768.0, -32768.5}) {
        EXPECT_THROW(ParsePacked(value), ArithmeticFault) << value;
        EXPECT_THROW(PackDecimal(value), ArithmeticFault) << value;
    }
    EXPECT_EQ(ParsePacked(32767.0).whole, 32767);
}

// The twilight searches' variants, the guard added before the scaling.
TEST(PackedToDecimal, GuardBeforeScaling)
{
    EXPECT_NEAR(DecimalToPacked(0.002197265625), 0.000791, 1e-6);
    EXPECT_EQ(DecimalToPacked(2.0166666), 2.01f);  // PackDecimal: 2.006
    EXPECT_EQ(DecimalToPacked(-1.5), -1.3f);
    EXPECT_NEAR(PackedToDecimal(22.080957), 22 + 8 / 60.0 + 9.57 / 3600, 1e-6);
    EXPECT_NEAR(PackedToDecimal(-0.30), -0.5, 1e-12);
}

}  // namespace
}  // namespace orvexal
