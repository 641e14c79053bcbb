// Julian Date from a civil date and time of day.
//
// The Julian calendar is used before 1582 October 15 and the Gregorian
// calendar from that day on; the ten days 1582 October 5-14, which did not
// exist, are mapped onto October 4. Years use astronomical numbering (year 0
// exists, -1999 is 2000 BC; -4712 January 1.5 is JD 0). Months outside 1..12 and days beyond the month
// continue the calendar linearly; the time of day is linear too (hours of 24
// and more, negative hours). 16-bit pieces and 32-bit day counts are checked:
// leaving their range is an overflow fault.
#pragma once

#include "numbers/fault.h"

namespace orvexal {

// A Julian Date with the day of the month it was computed for.
struct DatedJulianDate {
    double jd = 0;  // days, universal time
    Int16 day = 0;  // the day given, or 4 for 1582 October 5-14
};

// The JD, on the universal-time scale, of the given date and time.
// 2000, 1, 1, 12:00:00 gives 2451545.0.
DatedJulianDate ComputeJulianDate(Int16 year, Int16 month, Int16 day, Int16 hour, Int16 minute,
                                  float second);

// Whether a year has a February 29: the Gregorian rule after 1582, the
// Julian rule (every fourth year, negative years too) up to 1582.
bool IsLeapYear(Int16 year);

// The days of a month (1..12) of a year, by the same calendars.
int DaysInMonth(Int16 year, int month);

// The JD alone.
double JulianDateOf(Int16 year, Int16 month, Int16 day, Int16 hour, Int16 minute, float second);

}  // namespace orvexal
