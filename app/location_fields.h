// Copying a site of the location list into the main window's fields.
#pragma once

#include "data/location_list.h"
#include "pass/fields.h"

namespace orvexal {

// Copies record i (1..LocCount) into the main window's location fields:
// Text1 the name unchanged, Text2..Text4 the GeneralText of longitude,
// latitude and time zone (" 122.50514", " 8", "-7.5"). A record outside
// 1..LocCount (no entry chosen in the picker) changes nothing.
void CopyLocationToFields(const LocationList& list, int record, FieldTexts& fields);

}  // namespace orvexal
