#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbers/fault.h"

namespace orvexal {
namespace {

// The nearest 16-bit integer, halves to the even neighbour; beyond
// -32768..32767 (after rounding) an overflow, NaN an invalid argument.
TEST(ToInt16, HalvesToEvenWithinSixteenBits)
{
    const std::pair<double, Int16> cases[] = {
        {0.5, 0},       {1.5, 2},         {2.5, 2},          {-0.5, 0},        {-1.5, -2},  {-2.5, -2},
        {2.4999, 2},    {32767.4, 32767}, {-32768.5, -32768}, {-32767.5, -32768}, {7.5, 8}, {8.5, 8},
    };
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(ToInt16(value), rounded) << value;
    }
    const std::pair<double, FaultKind> faults[] = {
        {32767.5, FaultKind::Overflow},  // rounds to 32768
        {-32768.51, FaultKind::Overflow},
        {std::numeric_limits<double>::infinity(), FaultKind::Overflow},
        {std::nan(""), FaultKind::InvalidArgument},
    };
    for (const auto& [value, kind] : faults) {
        try {
            ToInt16(value);
            ADD_FAILURE() << value;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), kind) << value;
        }
    }
}

// Integer results outside 16 and 32 bits overflow, never wrap.
TEST(Narrow, SixteenAndThirtyTwoBitLimits)
{
    EXPECT_EQ(Narrow16(32767), 32767);
    EXPECT_EQ(Narrow16(-32768), -32768);
    EXPECT_THROW(Narrow16(32768), ArithmeticFault);
    EXPECT_THROW(Narrow16(-32769), ArithmeticFault);
    EXPECT_EQ(Narrow32(2147483647LL), 2147483647);
    EXPECT_EQ(Narrow32(-2147483648LL), -2147483647 - 1);
    EXPECT_THROW(Narrow32(2147483648LL), ArithmeticFault);
    EXPECT_THROW(Narrow32(-2147483649LL), ArithmeticFault);
}

// A divisor of exactly 0 is a division by zero, even for 0 / 0; a quotient
// beyond the double range an overflow.
TEST(Quotient, DivisionByZeroAndOverflow)
{
    EXPECT_EQ(Quotient(1, 4), 0.25);
    EXPECT_DOUBLE_EQ(Quotient(-1, 1e-300), -1e300);
    for (const double numerator : {1.0, 0.0, -2.0}) {
        try {
            Quotient(numerator, 0);
            ADD_FAILURE() << numerator;
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.Kind(), FaultKind::DivisionByZero) << numerator;
        }
    }
    try {
        Quotient(1e300, 1e-300);
        ADD_FAILURE();
    } catch (const ArithmeticFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::Overflow);
    }
}

}  // namespace
}  // namespace orvexal
