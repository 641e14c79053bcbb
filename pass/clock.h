// The system clock as the calculation sees it: the current instant in
// universal time, to the second, and its reading on a site's zone clock.
// Injected, so that tests can fix "now"; its reading as a Julian Date
// places "now" on the night chart.
#pragma once

#include <functional>

namespace orvexal {

// A civil date and time of day to the second (proleptic Gregorian calendar).
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
};

// Gives the current instant in universal time (UTC).
using Clock = std::function<DateTime()>;

// The machine's clock, in UTC: independent of the computer's own time zone
// and summer time.
DateTime SystemUtcTime();

// The universal instant `utc` as read on the clock of a zone `zoneHours`
// west of Greenwich (local = UT - zone), to the nearest second; fractional
// zones such as India's -5.5 and Nepal's -5.75 are exact.
DateTime ZoneTime(const DateTime& utc, double zoneHours);

// The Julian Date (days, universal time) of a UTC reading, by astro's
// JulianDateOf (Meeus, Astronomical Algorithms, ch. 7): 2000-01-01 12:00:00
// gives 2451545.0. UTC is taken as UT; they differ by under 0.9 s.
double JulianDateOfUtc(const DateTime& utc);

}  // namespace orvexal
