#include "night/inputs.h"

#include "astro/precession.h"
#include "numbers/number_text.h"
#include "numbers/units.h"
#include "pass/inputs.h"

namespace orvexal {

NightInputs ReadNightInputs(const FieldTexts& fields)
{
    const auto number = [&fields](Field field) { return LeadingNumber(fields.Text(field)); };
    const auto packed = [&fields](Field field) { return PackedFieldValue(fields.Text(field)); };

    NightInputs night;
    night.site = {packed(Field::Longitude), packed(Field::Latitude)};
    const ZoneHours zone = SplitZone(number(Field::TimeZone));
    CalendarTime ut = UniversalTime(ReadLocalTime(fields.Text(Field::Date), fields.Text(Field::Time)), zone.whole);
    const DatedJulianDate observed = ObservationJulianDate(ut, zone);
    ut.day = observed.day;
    night.observationJd = observed.jd;
    night.localMidnight = ObservingNightMidnight(ut, zone, observed.jd);

    const EquatorialPlace typed{packed(Field::RightAscension) * kDegreesPerHour / kDegreesPerRadian,
                                packed(Field::Declination) / kDegreesPerRadian};
    night.targetEpoch = number(Field::NewEpoch);
    if (night.targetEpoch == 0) {
        night.targetEpoch = EpochOfDate(observed.jd, YearStart(ut), ut.year);
    }
    night.target = PlaceAtNewEpoch(number(Field::Epoch), typed, night.targetEpoch);
    night.twilight = number(Field::Twilight);

    night.labels = {fields.Text(Field::LocationName),      fields.Text(Field::Date),
                    fields.Text(Field::Time),              fields.Text(Field::NewRightAscension),
                    fields.Text(Field::NewDeclination),    fields.Text(Field::NewEpoch),
                    fields.Text(Field::Dusk),              fields.Text(Field::Dawn)};
    return night;
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
    return Precess(inputs.targetEpoch, inputs.target.rightAscension, inputs.target.declination, epoch);
}

}  // namespace orvexal
