#include <gtest/gtest.h>

#include "astro/julian_date.h"

namespace orvexal {
namespace {

struct JulianCase {
    int year, month, day, hour, minute;
    float second;
    double jd;
    int dayAfter;
};

TEST(ComputeJulianDate, ReferenceDates)
{
    const JulianCase cases[] = {
        {2000, 1, 1, 12, 0, 0, 2451545.0, 1},
        {1990, 8, 9, 0, 0, 0, 2448112.5, 9},
        {1582, 10, 15, 0, 0, 0, 2299160.5, 15},
        {1582, 10, 4, 0, 0, 0, 2299159.5, 4},
        {1582, 10, 10, 6, 0, 0, 2299159.75, 4},
        {1582, 10, 5, 0, 0, 0, 2299159.5, 4},
        {1582, 10, 14, 23, 0, 0, 2299159.5 + 23.0 / 24, 4},
        {1600, 2, 29, 0, 0, 0, 2305506.5, 29},
        {1600, 3, 1, 0, 0, 0, 2305507.5, 1},
        {1900, 2, 29, 0, 0, 0, 2415079.5, 29},
        {1900, 3, 1, 0, 0, 0, 2415079.5, 1},
        {-1999, 1, 1, 0, 0, 0, 990923.5, 1},
        {-2000, 3, 1, 0, 0, 0, 990617.5, 1},
        {9999, 12, 31, 0, 0, 0, 5373483.5, 31},
        {2018, 1, 32, 0, 0, 0, 2458150.5, 32},
        {2018, 2, 1, 0, 0, 0, 2458150.5, 1},
        {2017, 13, 1, 0, 0, 0, 2458119.5, 1},
        {2000, 1, 1, 24, 0, 0, 2451545.5, 1},
        {2000, 1, 1, -6, 0, 0, 2451544.25, 1},
        {2000, 1, 1, 0, 0, 59.9999f, 2451544.5 + 59.9999f / 3600.0 / 24, 1},
    };
    for (const auto& c : cases) {
        const DatedJulianDate d =
            ComputeJulianDate(static_cast<Int16>(c.year), static_cast<Int16>(c.month), static_cast<Int16>(c.day),
                              static_cast<Int16>(c.hour), static_cast<Int16>(c.minute), c.second);
        EXPECT_NEAR(d.jd, c.jd, 1e-9) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(d.day, c.dayAfter) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(ComputeJulianDate, PiecesBeyondTheirWidthOverflow)
{
    EXPECT_THROW(ComputeJulianDate(30768, 3, 1, 0, 0, 0), ArithmeticFault);
    EXPECT_NO_THROW(ComputeJulianDate(30767, 3, 1, 0, 0, 0));
    EXPECT_THROW(ComputeJulianDate(2000, 300, 1, 0, 0, 0), ArithmeticFault);
    EXPECT_THROW(ComputeJulianDate(-32768, 1, 1, 0, 0, 0), ArithmeticFault);
}

}  // namespace
}  // namespace orvexal
