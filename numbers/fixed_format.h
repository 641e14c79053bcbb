// Fixed-width texts of numbers: the heliocentric correction's field and the
// exponent form it falls back to.
#pragma once

#include <string>

#include "numbers/fault.h"

namespace orvexal {

// The number with `decimals` decimals, right-aligned in `width` characters.
// Zeros are appended only when the number's own text has too few decimals;
// otherwise the value is rounded (halves upward) and not padded again, so
// 1.499 with width 8 and 2 decimals gives "     1.5". When only decimals
// overflow the width they are cut (1234.5678, 8, 5 gives " 1234.56"); when
// more overflows, the exponent form is used (12345678.9 gives " .12D+08").
// Below magnitude 1 the texts are written in plain digits, never in exponent
// form: 6.2e-05 with width 8 and 5 decimals gives "  .00006".
std::string FormatFixed(double x, Int16 width, Int16 decimals);

// The number as a mantissa of magnitude 0.1 to 1 with `decimals` decimals,
// "D", and a signed exponent of at least two digits, right-aligned in
// `width` characters: (123456789, 8, 2) gives " .12D+09", 0 gives " .00D+00".
std::string FormatExponent(double x, Int16 width, Int16 decimals);

// The integer's digits with `pad` put in front until the text has `width`
// characters: (5, 2, "0") gives "05".
std::string PadLeft(Int16 n, Int16 width, const std::string& pad);

}  // namespace orvexal
