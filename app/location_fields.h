// Copying a site of the location list into the main window's fields.
#pragma once

#include "data/location_list.h"
#include "pass/fields.h"

namespace orvexal {

// Copies site `index` of the list (0 the first) into the main window's
// location fields: Text1 the name unchanged, Text2..Text4 the GeneralText of
// longitude, latitude and time zone (" 122.50514", " 8", "-7.5"). An index
// past the list's end changes nothing.
void CopyLocationToFields(const LocationList& list, std::size_t index, FieldTexts& fields);

}  // namespace orvexal
