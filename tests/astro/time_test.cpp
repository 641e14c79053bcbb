#include <gtest/gtest.h>

#include "astro/julian_date.h"
#include "astro/sidereal_time.h"

namespace orvexal {
namespace {

TEST(ComputeJulianDate, ReferenceDates)
{
    const std::tuple<int, int, int, int, double, int> cases[] = {
        // year, month, day, hour, JD, the day after the Gregorian gap
        {2000, 1, 1, 12, 2451545.0, 1},
        {1582, 10, 15, 0, 2299160.5, 15},  // the first Gregorian day
        {1582, 10, 4, 0, 2299159.5, 4},    // the last Julian day
        {1582, 10, 10, 6, 2299159.75, 4},  // October 5 to 14 did not exist: the 4th
        {1600, 2, 29, 0, 2305506.5, 29},
        {1900, 2, 29, 0, 2415079.5, 29},   // no leap day: March 1
        {-2000, 3, 1, 0, 990617.5, 1},     // the first year counted with truncating divisions
        {-2001, 3, 1, 12, 990252.0, 1},    // Meeus, ch. 7: before it the centuries are floored
        {-1000, 7, 12, 12, 1356001.0, 12},
        {-4712, 1, 1, 12, 0.0, 1},
        {-30000, 1, 1, 12, -9236442.0, 1},  // 6322 Julian four-year cycles before JD 0
        {9999, 12, 31, 0, 5373483.5, 31},
        {2000, 1, 1, -6, 2451544.25, 1},
    };
    for (const auto& [year, month, day, hour, jd, dayAfter] : cases) {
        const DatedJulianDate d = ComputeJulianDate(static_cast<Int16>(year), static_cast<Int16>(month),
                                                    static_cast<Int16>(day), static_cast<Int16>(hour), 0, 0);
        EXPECT_NEAR(d.jd, jd, 1e-9) << year << "-" << month << "-" << day;
        EXPECT_EQ(d.day, dayAfter) << year << "-" << month << "-" << day;
    }
    EXPECT_NEAR(ComputeJulianDate(2000, 1, 1, 0, 30, 59.5f).jd, 2451544.5 + 1859.5 / 86400, 1e-9);
    // Pieces beyond their 16 bits overflow.
    EXPECT_THROW(ComputeJulianDate(30768, 3, 1, 0, 0, 0), ArithmeticFault);
    EXPECT_NO_THROW(ComputeJulianDate(30767, 3, 1, 0, 0, 0));
    EXPECT_THROW(ComputeJulianDate(2000, 300, 1, 0, 0, 0), ArithmeticFault);
    EXPECT_THROW(ComputeJulianDate(-32768, 1, 1, 0, 0, 0), ArithmeticFault);
}

// Each month is as long as the Julian Dates of its first and the next
// month's first day say, in Julian and Gregorian years, leap or not.
TEST(DaysInMonth, AgreesWithTheJulianDates)
{
    for (const Int16 year : {1500, 1700, 1900, 2000, 2023, 2024}) {
        for (Int16 month = 1; month <= 12; ++month) {
            const Int16 nextYear = month == 12 ? static_cast<Int16>(year + 1) : year;
            const Int16 nextMonth = month == 12 ? Int16{1} : static_cast<Int16>(month + 1);
            EXPECT_EQ(JulianDateOf(nextYear, nextMonth, 1, 0, 0, 0) - JulianDateOf(year, month, 1, 0, 0, 0),
                      DaysInMonth(year, month))
                << year << "-" << month;
        }
    }
}

TEST(LocalSiderealTime, WorkedValuesRoundedToSingle)
{
    const std::tuple<double, double, double, double> cases[] = {
        // JD, longitude (+ west), hours before the rounding to single, tolerance
        {2446895.5, 0, 13.179546340555, 0},
        // Just before a half day: the previous day's 0h UT, nearly 24 hours on.
        {2446895.4999, 0, 13.179546340555 - 0.0001 * 24 * 1.00273790934, 1e-5},
        {2451545.0, 300, 22.697374557870, 0},
        {2451545.0, -500, 28.030707891203, 0},  // beyond 180 degrees: one correction only
    };
    for (const auto& [jd, longitude, hours, tolerance] : cases) {
        EXPECT_NEAR(LocalSiderealTime(jd, longitude), static_cast<float>(hours), tolerance) << jd << " " << longitude;
    }
}

}  // namespace
}  // namespace orvexal
