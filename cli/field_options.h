// The options that type a text into one of the main window's input fields,
// and the strict reading of their values.
//
// The window reads whatever is typed (the leading number of a text, 0 when
// there is none); on the command line a value must be a number in full, in
// its field's form, so that a mistyped value is refused instead of being
// computed with: packed D.MMSS and H.MMSS values with minutes and seconds
// below 60, dates in YYYY.MMDD with a real month and day, latitudes within
// 90 degrees. A Unicode minus sign (U+2212) is read as "-".
#pragma once

#include <optional>
#include <string>

#include "pass/fields.h"

namespace orvexal {

// The field that an option such as "--date" types into, or nothing.
std::optional<Field> FieldOfOption(const std::string& option);

// The value of a field option as the field's text, the Unicode minus made
// "-". Throws std::invalid_argument with one line naming the option, the
// text and the expected form with an example:
// --date: "2024-06-15" is not a date in YYYY.MMDD form, e.g. 2024.0615
std::string CheckedFieldText(const std::string& option, const std::string& text);

// The value of a text that is a decimal number written in full, as the
// field options' values must be, or nothing: "2.5", "10", "-0.5" but not
// "1e1", " 10" or "10min".
std::optional<double> DecimalNumber(const std::string& text);

}  // namespace orvexal
