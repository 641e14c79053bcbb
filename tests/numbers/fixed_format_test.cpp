#include <gtest/gtest.h>

#include "numbers/fixed_format.h"

namespace orvexal {
namespace {

struct FormatCase {
    double x;
    int width;
    int decimals;
    const char* text;
};

TEST(FormatFixed, DesignedExamples)
{
    const FormatCase cases[] = {
        {0.00512345, 8, 5, "  .00512"},   {-0.0043219, 8, 5, " -.00432"},
        {0.0012, 8, 5, "  .00120"},       {0, 8, 5, " 0.00000"},
        {98765.4321, 8, 5, " 98765.4"},   {12345678.9, 8, 5, " .12D+08"},
        {1.499, 8, 2, "     1.5"},        {1.505, 8, 2, "    1.51"},
        {1.5, 8, 2, "    1.50"},          {1234.5678, 8, 5, " 1234.56"},
        {6.2e-5, 8, 5, "  .00006"},       {3e-7, 8, 5, "       0"},
        {-0.00101085, 8, 5, " -.00101"},  {0.00105973, 8, 5, "  .00106"},
        {-2.5, 8, 0, "      -2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, static_cast<Int16>(c.width), static_cast<Int16>(c.decimals)), c.text)
            << c.x << " " << c.width << " " << c.decimals;
    }
}

TEST(FormatExponent, DesignedExamples)
{
    const FormatCase cases[] = {
        {123456789, 8, 2, " .12D+09"},
        {0, 8, 2, " .00D+00"},
        {-0.0123, 10, 3, " -.123D-01"},
        {0.05, 8, 2, " .50D-01"},
        {1e-17, 8, 5, " .00D+00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatExponent(c.x, static_cast<Int16>(c.width), static_cast<Int16>(c.decimals)), c.text)
            << c.x;
    }
}

TEST(FormatExponent, NarrowWidthStillEnds)
{
    EXPECT_EQ(FormatFixed(123456.0, 3, 2), " 0D+06");
    EXPECT_EQ(FormatExponent(0.5, 2, 2), " 1D+00");
}

struct OverflowCase {
    std::string (*format)(double, Int16, Int16);
    double x;
    int width;
    int decimals;
};

// Found by fuzzing: arithmetic beyond the double range showed as " in" (the
// first characters of "inf") or as a zero mantissa, " 0.00000D+309"; it is
// an overflow, as any other in the pass.
TEST(FormatFixed, ArithmeticBeyondTheDoubleRangeIsAnOverflow)
{
    const OverflowCase cases[] = {
        {FormatFixed, 8.371929392162358e+298, 3, 19},  // the rounding's x * 10^19
        {FormatExponent, -1.7836484429444824e+308, 12, 8},  // 10^309 for the mantissa
        {FormatFixed, 1e308, 7, 1},                         // through its exponent form
    };
    for (const auto& c : cases) {
        try {
            const std::string text = c.format(c.x, static_cast<Int16>(c.width), static_cast<Int16>(c.decimals));
            ADD_FAILURE() << c.x << " gave \"" << text << '"';
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), FaultKind::Overflow) << c.x;
        }
    }
}

TEST(PadLeft, PadsToWidth)
{
    EXPECT_EQ(PadLeft(5, 2, "0"), "05");
    EXPECT_EQ(PadLeft(12, 2, "0"), "12");
    EXPECT_EQ(PadLeft(-3, 4, "0"), "00-3");
    EXPECT_EQ(PadLeft(123, 2, "0"), "123");
}

}  // namespace
}  // namespace orvexal
