#include <gtest/gtest.h>

#include "numbers/number_text.h"
#include "numbers/packed.h"

namespace orvexal {
namespace {

struct ParseCase {
    double packed;
    int whole;
    int minutes;
    float seconds;
    int sign;
    double decimal;
};

TEST(ParsePacked, TakesWholeMinutesAndSecondsApart)
{
    const ParseCase cases[] = {
        {20.4058, 20, 40, 58.0f, 1, 20.682777777777776},
        {53.45289, 53, 45, 28.9f, 1, 45 / 60.0 + 53 + static_cast<double>(28.9f) / 3600},
        {-0.30, 0, 30, 0.0f, -1, -0.5},
        {0, 0, 0, 0.0f, 0, 0},
        {20.75, 20, 75, 0.0f, 1, 21.25},
        {20.41, 20, 41, 0.0f, 1, 20 + 41 / 60.0},
    };
    for (const auto& c : cases) {
        const PackedParts p = ParsePacked(c.packed);
        EXPECT_EQ(p.whole, c.whole) << c.packed;
        EXPECT_EQ(p.minutes, c.minutes) << c.packed;
        EXPECT_NEAR(p.seconds, c.seconds, 2e-4) << c.packed;
        EXPECT_EQ(p.sign, c.sign) << c.packed;
        EXPECT_NEAR(p.decimal, c.decimal, 1e-12) << c.packed;
    }
    EXPECT_EQ(ParsePacked(53.45289).seconds, 28.9f);
    EXPECT_EQ(GeneralText(ParsePacked(53.45289).decimal).substr(0, 16), " 53.758027777671");
    const PackedParts date = ParsePacked(2024.0315);
    EXPECT_EQ(date.whole, 2024);
    EXPECT_EQ(date.minutes, 3);
    EXPECT_NEAR(date.seconds, 15, 1e-3);
}

TEST(PackDecimal, PacksIntoSinglePrecision)
{
    EXPECT_EQ(PackDecimal(20.682777777777776), 20.4058f);
    EXPECT_EQ(GeneralText(PackDecimal(20.682777777777776)), " 20.4058");
    EXPECT_EQ(FirstChars(GeneralText(static_cast<double>(PackDecimal(20.682777777777776))), 9),
              " 20.40579");
    EXPECT_EQ(GeneralText(PackDecimal(20.99999)), " 20.596");
    // The same value shows differently widened and single: a sidereal time of
    // 13h 17m 50s, and -22 13' 20" as a new declination and as a latitude.
    EXPECT_EQ(FirstChars(GeneralText(static_cast<double>(PackDecimal(13 + 17 / 60.0 + 50 / 3600.0))), 10),
              " 13.175000");
    const double minus22 = -(22 + 13 / 60.0 + 20 / 3600.0);
    EXPECT_EQ(FirstChars(GeneralText(static_cast<double>(PackDecimal(minus22))), 9), "-22.13199");
    EXPECT_EQ(FirstChars(GeneralText(PackDecimal(minus22)), 9), "-22.132");
    EXPECT_EQ(PackDecimal(-0.5), -0.3f);
    EXPECT_EQ(PackDecimal(0), 0.0f);
}

TEST(PackDecimal, JustBelowAWholeNumberPacksThatNumber)
{
    EXPECT_EQ(PackDecimal(20.99999999), 21.0f);
    EXPECT_EQ(PackDecimal(-20.99999999), -21.0f);
    EXPECT_EQ(PackDecimal(20.999999), 20.5959f + 0.0000996f);
}

TEST(PackedNotation, WholePartBeyondSixteenBitsIsAnOverflow)
{
    for (const double value : {32768.0, -32768.5, 1e300}) {
        EXPECT_THROW(ParsePacked(value), ArithmeticFault) << value;
        EXPECT_THROW(PackDecimal(value), ArithmeticFault) << value;
    }
    EXPECT_EQ(ParsePacked(32767.0).whole, 32767);
    EXPECT_EQ(PackDecimal(32767.0), 32767.0f);
}

}  // namespace
}  // namespace orvexal
