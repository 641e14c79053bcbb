#include <gtest/gtest.h>

#include "numbers/fixed_format.h"

namespace orvexal {
namespace {

struct FormatCase {
    std::string (*format)(double, Int16, Int16);
    double x;
    Int16 width;
    Int16 decimals;
    const char* text;  // nullptr: an overflow
};

// Rounding, zeros added, a long integer part cut, the exponent form as the
// fall-back, zero below the thresholds, widths too narrow for the frame.
// Found by fuzzing: arithmetic beyond the double range showed as " in" (of
// "inf") or as a zero mantissa; it is an overflow.
TEST(FormatFixed, DesignedExamplesAndOverflows)
{
    const FormatCase cases[] = {
        {FormatFixed, 0.00512345, 8, 5, "  .00512"},     {FormatFixed, -0.0043219, 8, 5, " -.00432"},
        {FormatFixed, 0.0012, 8, 5, "  .00120"},         {FormatFixed, 0, 8, 5, " 0.00000"},
        {FormatFixed, 150, 8, 2, "  150.00"},            {FormatFixed, 98765.4321, 8, 5, " 98765.4"},
        {FormatFixed, 12345678.9, 8, 5, " .12D+08"},     {FormatFixed, 1.499, 8, 2, "     1.5"},
        {FormatFixed, 6.2e-5, 8, 5, "  .00006"},         {FormatFixed, 3e-7, 8, 5, "       0"},
        {FormatFixed, -2.5, 8, 0, "      -2"},           {FormatFixed, 123456.0, 3, 2, " 0D+06"},
        {FormatExponent, 0, 8, 2, " .00D+00"},           {FormatExponent, -0.0123, 10, 3, " -.123D-01"},
        {FormatExponent, 1e-16, 8, 5, " .00D+00"},       {FormatExponent, 0.5, 2, 2, " 1D+00"},
        {FormatFixed, 8.371929392162358e+298, 3, 19, nullptr},       // the rounding's x * 10^19
        {FormatExponent, -1.7836484429444824e+308, 12, 8, nullptr},  // 10^309 for the mantissa
    };
    for (const auto& c : cases) {
        try {
            EXPECT_EQ(c.format(c.x, c.width, c.decimals), c.text ? c.text : "overflow") << c.x << " " << c.width;
        } catch (const ArithmeticFault& fault) {
            EXPECT_TRUE(c.text == nullptr && fault.Kind() == FaultKind::Overflow) << c.x;
        }
    }
}

}  // namespace
}  // namespace orvexal
