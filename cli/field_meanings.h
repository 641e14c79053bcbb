// What each field of the main window holds, as the headless front end's
// report and JSON object name it: a key by meaning ("julian_date") and the
// unit and convention of the field's text.
#pragma once

#include <span>
#include <string_view>

#include "pass/fields.h"

namespace orvexal {

struct FieldMeaning {
    Field field;
    std::string_view key;   // "julian_date"
    std::string_view unit;  // "days, UT"; empty for the site's name
    bool result;            // written by the calculation (else typed in)
};

// Every field but the status line, in the main window's order: the input
// column from the top, then the result column from the top.
std::span<const FieldMeaning> FieldMeanings();

}  // namespace orvexal
