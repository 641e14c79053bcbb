#include "night/inputs.h"

#include <cmath>

#include "astro/julian_date.h"
#include "astro/precession.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

// The day before a date, in the pass's calendars (astro/julian_date.h).
CivilDate DayBefore(CivilDate date)
{
    if (--date.day > 0) {
        return date;
    }
    if (--date.month == 0) {
        date.month = 12;
        --date.year;
    }
    date.day = DaysInMonth(Narrow16(date.year), date.month);
    return date;
}

// The evening date of the night that holds a local date and time of day,
// given the instant in the night's hours: the start of the local date lies
// whole days after the start of the evening (none for an evening, one for a
// morning; hours of 24 and more continue the date).
CivilDate EveningOf(const CalendarTime& local, double nightHours)
{
    const double hourOfDate = local.hour + local.minute / kMinutesPerHour + local.second / kSecondsPerHour;
    CivilDate evening{local.year, local.month, local.day};
    for (long day = std::lround((nightHours - hourOfDate) / kHoursPerDay); day > 0; --day) {
        evening = DayBefore(evening);
    }
    return evening;
}

}  // namespace

NightLabels LabelsOf(const FieldTexts& fields)
{
    return {fields.Text(Field::LocationName),   fields.Text(Field::Date),
            fields.Text(Field::Time),           fields.Text(Field::NewRightAscension),
            fields.Text(Field::NewDeclination), fields.Text(Field::NewEpoch),
            fields.Text(Field::Dusk),           fields.Text(Field::Dawn)};
}

NightInputs NightInputsOf(const ObservedPass& pass, NightLabels labels)
{
    const Observation& o = pass.observation;
    NightInputs night;
    night.site = o.site;
    night.observationJd = o.jd;
    night.localMidnight = pass.nightMidnight;
    night.evening = EveningOf(o.local, NightHoursOf(night.localMidnight, night.observationJd));
    night.target = pass.newPlace;
    night.targetEpoch = pass.newEpoch;
    night.twilight = o.twilightDeg;
    night.labels = std::move(labels);
    return night;
}

bool LatitudeOnEarth(const Observer& site)
{
    return std::abs(site.latitudeNorthDeg) <= kPoleLatitude;
}

double NightHoursOf(double localMidnight, double jd)
{
    return (jd - localMidnight + 1) * kHoursPerDay;
}

double JdOfNightHours(double localMidnight, double hours)
{
    return localMidnight - 1 + hours / kHoursPerDay;
}

EquatorialPlace TargetOfDate(const NightInputs& inputs)
{
    constexpr double kJ2000Epoch = 2000.0;
    const double epoch = kJ2000Epoch + (inputs.observationJd - kJ2000) / kDaysPerJulianYear;
    return Precess(inputs.targetEpoch, inputs.target, epoch);
}

}  // namespace orvexal
