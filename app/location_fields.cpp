#include "app/location_fields.h"

#include "numbers/number_text.h"

namespace orvexal {

void CopyLocationToFields(const LocationList& list, std::size_t index, FieldTexts& fields)
{
    if (index >= list.size()) {
        return;
    }
    const LocationRecord& site = list[index];
    fields.SetText(Field::LocationName, site.name);
    fields.SetText(Field::Longitude, GeneralText(site.longitudeWestPacked));
    fields.SetText(Field::Latitude, GeneralText(site.latitudeNorthPacked));
    fields.SetText(Field::TimeZone, GeneralText(site.timeZoneWestHours));
}

}  // namespace orvexal
