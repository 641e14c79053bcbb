// A binary floating-point value rounded to a count of significant decimal
// digits, as C's printf rounds it for %.{precision}G: the exact decimal value
// of the binary number, rounded to the nearest, ties to the even digit.
//
// Method: value = m * 2^e exactly, with m an integer of at most 53 bits. For
// a decimal exponent x, the digits are round(m * 2^e * 10^(precision-1-x)),
// worked out as one quotient of two 128-bit integers with its remainder, so
// no step rounds. The exponent x is first estimated from log10 and then
// corrected by one when the digits come out one too many or too few (which
// also covers rounding up to the next power of ten, 9.99...95 -> 10.0...).
#pragma once

#include <cstdint>
#include <optional>

namespace orvexal {

// value = digits * 10^(exponent - precision + 1), with
// 10^(precision-1) <= digits < 10^precision.
struct SignificantDigits {
    std::uint64_t digits = 0;
    int exponent = 0;  // the decimal exponent of the leading digit
};

// The rounded digits of a finite positive value, for precision 1 to 17;
// empty when the value lies so far from 1 (beyond about 1e-19 or 1e19) that
// the integers of the method would not fit in 128 bits.
std::optional<SignificantDigits> RoundToSignificantDigits(double value, int precision);

}  // namespace orvexal
