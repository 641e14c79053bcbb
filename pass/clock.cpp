#include "pass/clock.h"

#include <chrono>
#include <cmath>

#include "astro/julian_date.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

using Seconds = std::chrono::sys_seconds;

Seconds InstantOf(const DateTime& t)
{
    using namespace std::chrono;
    const sys_days date{year{t.year} / t.month / t.day};
    return date + hours{t.hour} + minutes{t.minute} + seconds{t.second};
}

DateTime DateTimeOf(Seconds instant)
{
    using namespace std::chrono;
    const sys_days date = floor<days>(instant);
    const year_month_day ymd{date};
    const hh_mm_ss time{instant - date};
    return {int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())),
            int(time.hours().count()), int(time.minutes().count()), int(time.seconds().count())};
}

}  // namespace

DateTime SystemUtcTime()
{
    return DateTimeOf(std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()));
}

DateTime ZoneTime(const DateTime& utc, double zoneHours)
{
    const std::chrono::seconds offset{std::llround(zoneHours * kSecondsPerHour)};
    return DateTimeOf(InstantOf(utc) - offset);
}

double JulianDateOfUtc(const DateTime& utc)
{
    return JulianDateOf(Narrow16(utc.year), Narrow16(utc.month), Narrow16(utc.day), Narrow16(utc.hour),
                        Narrow16(utc.minute), static_cast<float>(utc.second));
}

}  // namespace orvexal
