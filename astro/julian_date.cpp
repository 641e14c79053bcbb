#include "astro/julian_date.h"

#include <array>

namespace orvexal {
namespace {

// Shifts the March-based year so that it is >= 0 from -1999 on, where
// truncating divisions equal flooring; earlier years are counted with
// floored centuries and divisions (Meeus, Astronomical Algorithms, ch. 7:
// -4712 January 1.5 is JD 0).
constexpr int kYearShift = 2000;
constexpr int kYearsPerCentury = 100;

// Days per 400 Gregorian and per 400 Julian years, applied per century as /4.
constexpr long long kGregorianFourCenturies = 146097;
constexpr long long kJulianFourCenturies = 146100;

// Days per 4 years.
constexpr long long kFourYears = 1461;

// Offsets that make the day count the Julian Day Number with the year shift.
constexpr long long kGregorianOffset = 990634;
constexpr long long kJulianOffset = 990617;

// 1582 October 15, 0h: the first instant of the Gregorian calendar.
constexpr double kGregorianStart = 2299160.5;

// The day count starts at noon.
constexpr double kNoon = 0.5;

// Days before March-based month m' counted from 1 March: (153 m' + 2) \ 5.
long long DaysBeforeMonth(Int16 marchMonth)
{
    const Int16 scaled = Narrow16(marchMonth * 153);
    return Narrow16(scaled + 2) / 5;
}

// The last year of the Julian calendar's leap rule.
constexpr Int16 kLastJulianYear = 1582;

// a / b rounded toward minus infinity, b > 0: the truncating division for
// a >= 0, one less for a negative a that b does not divide.
long long FloorDivide(long long a, long long b)
{
    const long long q = a / b;
    return q * b > a ? q - 1 : q;
}

// The shifted March-based year as whole centuries (floored) and the years
// of the century (0 to 99).
struct Centuries {
    long long count;
    long long years;
};

Centuries CenturiesOf(Int16 shiftedYear)
{
    const long long count = FloorDivide(shiftedYear, kYearsPerCentury);
    return {count, shiftedYear - count * kYearsPerCentury};
}

}  // namespace

bool IsLeapYear(Int16 year)
{
    if (year > kLastJulianYear) {
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    }
    return year % 4 == 0;  // the remainder is taken toward zero
}

int DaysInMonth(Int16 year, int month)
{
    constexpr std::array<int, 12> kDaysInCommonYear{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leapDay = month == 2 && IsLeapYear(year);
    return kDaysInCommonYear.at(static_cast<std::size_t>(month - 1)) + (leapDay ? 1 : 0);
}

DatedJulianDate ComputeJulianDate(Int16 year, Int16 month, Int16 day, Int16 hour, Int16 minute,
                                  float second)
{
    const bool early = month < 3;
    const Int16 marchMonth = early ? Narrow16(month + 9) : Narrow16(month - 3);
    const Int16 marchYear = early ? Narrow16(year - 1) : year;
    const double t = (minute / 60.0 + hour) + second / 3600.0;
    const Centuries q = CenturiesOf(Narrow16(marchYear + kYearShift));
    const std::int32_t r = Narrow32(q.years * kFourYears / 4);
    const std::int32_t k = Narrow32(DaysBeforeMonth(marchMonth) + day);
    std::int32_t n = Narrow32(FloorDivide(q.count * kGregorianFourCenturies, 4) + kGregorianOffset + r + k);
    const double jd = (t / 24 + n) - kNoon;
    if (jd < kGregorianStart) {
        if (year == 1582 && month == 10 && day > 4) {
            day = 4;
        }
        n = Narrow32(FloorDivide(q.count * kJulianFourCenturies, 4) + kJulianOffset + r
                     + DaysBeforeMonth(marchMonth) + day);
        return {(t / 24 + n) - kNoon, day};
    }
    return {jd, day};
}

double JulianDateOf(Int16 year, Int16 month, Int16 day, Int16 hour, Int16 minute, float second)
{
    return ComputeJulianDate(year, month, day, hour, minute, second).jd;
}

}  // namespace orvexal
