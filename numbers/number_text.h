// The text forms in which numbers are read from and written to the fields.
//
// Every field of the main window is read through LeadingNumber and written
// through GeneralText or PlainText. The decimal separator is always ".",
// whatever the user's regional settings.
#pragma once

#include <string>
#include <string_view>

#include "numbers/fault.h"

namespace orvexal {

// The number spelled by the leading characters of a text. Blanks, tabs and
// line feeds are ignored wherever they stand; an optional sign, digits with at
// most one ".", and an optional exponent (E or D, optional sign, digits) are
// read; reading stops at the first other character. A text that does not
// begin with a number gives 0: "8 h" gives 8, "1.2.3" gives 1.2, "abc" 0.
// A number beyond the double range is an overflow fault.
double LeadingNumber(std::string_view text);

// The general text of a number: a sign position (a blank for zero and
// positive values, "-" for negative ones), up to 15 significant digits for a
// double and 7 for a single-precision value, trailing zeros and a trailing
// point removed, no "0" before the point below magnitude 1, and the exponent
// form ("1E-05") exactly where C's %.15G (%.7G) uses it.
// 0.5 gives " .5", -0.5 gives "-.5", 2000 gives " 2000".
std::string GeneralText(double value);
std::string GeneralText(float value);

// GeneralText of a double, but written in plain decimal digits, never in the
// exponent form, when the magnitude is below 1: 6.2e-05 gives " .000062".
std::string GeneralTextNoSmallExponent(double value);
std::string GeneralTextNoSmallExponent(float value);

// The same digits as GeneralText, without the sign blank and with a "0"
// before the point: 0.5 gives "0.5", -0.5 gives "-0.5", 2000 gives "2000".
std::string PlainText(double value);

// A 16-bit integer as its plain decimal digits: "8", "-5".
std::string PlainText(Int16 value);

// The first n characters of a text (all of it when it is shorter).
std::string FirstChars(std::string text, std::size_t n);

}  // namespace orvexal
