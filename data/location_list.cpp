#include "data/location_list.h"

#include "numbers/number_text.h"

namespace orvexal {

void CopyLocationToFields(const LocationList& list, int record, FieldTexts& fields)
{
    if (record < 1 || record > list.LocCount) {
        return;
    }
    fields.SetText(Field::Text1, list.LocName[record]);
    fields.SetText(Field::Text2, GeneralText(list.LocLongitude[record]));
    fields.SetText(Field::Text3, GeneralText(list.LocLatitude[record]));
    fields.SetText(Field::Text4, GeneralText(list.LocTimeZone[record]));
}

}  // namespace orvexal
