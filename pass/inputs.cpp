#include "pass/inputs.h"

#include <cmath>

#include "astro/precession.h"
#include "numbers/number_text.h"
#include "numbers/packed.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// Days in the year of the epoch of date (the tropical year).
constexpr double kTropicalYear = 365.2422;

// Past the last day of its month, a day becomes the 1st of the next month.
void CarryMonthEnd(CalendarTime& t)
{
    const Int16 m = t.month;
    const bool longMonth = m == 1 || m == 3 || m == 5 || m == 7 || m == 8 || m == 10;
    if (longMonth && t.day == 32) {
        t.month = Narrow16(t.month + 1);
        t.day = 1;
    }
    const bool shortMonth = t.month == 4 || t.month == 6 || t.month == 9 || t.month == 11;
    if (shortMonth && t.day == 31) {
        t.month = Narrow16(t.month + 1);
        t.day = 1;
    }
    if (t.month == 12 && t.day == 32) {
        t.month = 1;
        t.day = 1;
        t.year = Narrow16(t.year + 1);
    }
    if (t.month == 2 && t.day == (IsLeapYear(t.year) ? 30 : 29)) {
        t.month = 3;
        t.day = 1;
    }
}

}  // namespace

ZoneHours SplitZone(double hours)
{
    const Int16 whole = ToInt16(hours);
    return {hours, whole, hours - whole};
}

CalendarTime ReadLocalTime(const std::string& dateText, const std::string& timeText)
{
    CalendarTime t;
    const PackedParts date = ParsePacked(LeadingNumber(dateText));
    t.year = Narrow16(date.whole * date.sign);
    t.month = date.minutes;
    t.day = ToInt16(date.seconds);
    const PackedParts time = ParsePacked(LeadingNumber(timeText));
    t.hour = time.whole;
    t.minute = time.minutes;
    t.second = time.seconds;
    return t;
}

CalendarTime UniversalTime(CalendarTime local, Int16 zoneWhole)
{
    CalendarTime ut = local;
    ut.hour = Narrow16(local.hour + zoneWhole);
    if (ut.hour > 24) {
        ut.hour = Narrow16(ut.hour - 24);
        ut.day = Narrow16(ut.day + 1);
    }
    CarryMonthEnd(ut);
    return ut;
}

double YearStart(const CalendarTime& ut)
{
    return JulianDateOf(ut.year, 1, 1, 0, 0, 0);
}

DatedJulianDate ObservationJulianDate(const CalendarTime& ut, const ZoneHours& zone)
{
    const DatedJulianDate observed = ComputeJulianDate(ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second);
    return {observed.jd + zone.fraction / kHoursPerDay, observed.day};
}

double ObservingNightMidnight(const CalendarTime& ut, const ZoneHours& zone, double jd)
{
    const double dateMidnight = JulianDateOf(ut.year, ut.month, ut.day, zone.whole, 0, 0) + zone.fraction / kHoursPerDay;
    return dateMidnight + std::floor((jd - dateMidnight) + 0.5);
}

double EpochOfDate(double jd, double yearStart, Int16 year)
{
    return std::floor(((jd - yearStart) / kTropicalYear + year) * 1000 + 0.5) / 1000;
}

EquatorialPlace PlaceAtNewEpoch(double epoch, EquatorialPlace place, double newEpoch)
{
    if (epoch == newEpoch) {
        return place;
    }
    return Precess(epoch, place, newEpoch);
}

}  // namespace orvexal
