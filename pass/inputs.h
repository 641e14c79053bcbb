// How a pass reads its input fields: packed values, the time zone split for
// the calendar, the local date and time carried to the universal date, the
// Julian Dates of the observation and of the local midnight the twilight
// searches start from, the epoch of the date and the target at the new
// epoch. The pass and the night track read the fields through these, so
// both see the same observation.
#pragma once

#include <string>

#include "astro/julian_date.h"
#include "astro/sky_place.h"
#include "numbers/fault.h"

namespace orvexal {

// A time zone in hours, positive to the west. The calendar arithmetic takes
// its nearest whole hour (halves to the even neighbour, 16-bit); the rest
// (India -5.5, Nepal -5.75) is added to the Julian Dates.
struct ZoneHours {
    double hours = 0;
    Int16 whole = 0;
    double fraction = 0;
};

ZoneHours SplitZone(double hours);

// A date and time of day in the pass's calendar arithmetic: 16-bit parts,
// seconds in single precision.
struct CalendarTime {
    Int16 year = 0;
    Int16 month = 0;
    Int16 day = 0;
    Int16 hour = 0;
    Int16 minute = 0;
    float second = 0;
};

// The local date and time from the texts of the date (YYYY.MMDD) and time
// (H.MMSS) fields. The sign of the time is ignored; the day is rounded to
// the nearest whole number, halves to the even neighbour.
CalendarTime ReadLocalTime(const std::string& dateText, const std::string& timeText);

// Universal time: the hour plus the zone's whole hours, carried into the
// next day only past 24 h (an hour of exactly 24, or a negative one, stays),
// then the month ends and February of the (possibly changed) year, whether
// or not a day was carried: February 29 of a common year is March 1.
CalendarTime UniversalTime(CalendarTime local, Int16 zoneWhole);

// One observation as the pass reads it from the input fields, once.
struct Observation {
    Observer site;            // degrees, longitude positive to the west
    ZoneHours zone;           // hours, positive to the west
    CalendarTime local;       // the local date and time read
    CalendarTime ut;          // the universal date and time (1582 October 5-14 as the 4th)
    double jd = 0;            // the instant, JD, universal time
    double yearStart = 0;     // JD of January 1, 0h, of the universal date's year
    EquatorialPlace target;   // radians, the mean equator and equinox of epoch
    double epoch = 0;         // years
    double newEpoch = 0;      // years; 0 for the epoch of the date
    double twilightDeg = 0;   // the Sun's altitude that defines dusk and dawn
};

// The JD of January 1, 0h, of the universal date's year.
double YearStart(const CalendarTime& ut);

// The observation's JD (universal time), the zone's fraction of an hour
// added; 1582 October 5-14, which did not exist, come back as October 4,
// and that day is the one used from then on.
DatedJulianDate ObservationJulianDate(const CalendarTime& ut, const ZoneHours& zone);

// The JD (universal time) of the local midnight of the observing night that
// holds the observation instant jd: a night runs from local noon to the next
// local noon. Dusk is searched in the evening before that midnight, dawn in
// the morning after it. It is the local midnight at the start of the
// universal date, moved by whole days: by none where that midnight lies
// within half a day of the instant (every hour after local midnight, every
// evening west of about 8 h), by one day for an evening east of Greenwich.
double ObservingNightMidnight(const CalendarTime& ut, const ZoneHours& zone, double jd);

// The epoch of the date: the year and its elapsed fraction in tropical years
// of 365.2422 days, rounded to 0.001 year.
double EpochOfDate(double jd, double yearStart, Int16 year);

// The target's place (radians) at the new epoch: precessed from its epoch,
// unchanged when the two epochs are equal.
EquatorialPlace PlaceAtNewEpoch(double epoch, EquatorialPlace place, double newEpoch);

}  // namespace orvexal
