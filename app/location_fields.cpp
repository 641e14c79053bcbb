#include "app/location_fields.h"

#include "numbers/number_text.h"

namespace orvexal {

void CopyLocationToFields(const LocationList& list, int record, FieldTexts& fields)
{
    if (record < 1 || record > list.LocCount) {
        return;
    }
    fields.SetText(Field::LocationName, list.LocName[record]);
    fields.SetText(Field::Longitude, GeneralText(list.LocLongitude[record]));
    fields.SetText(Field::Latitude, GeneralText(list.LocLatitude[record]));
    fields.SetText(Field::TimeZone, GeneralText(list.LocTimeZone[record]));
}

}  // namespace orvexal
