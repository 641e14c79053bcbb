#include "night/inputs.h"

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

}  // namespace orvexal
