#include "numbers/significant_digits.h"

#include <array>
#include <bit>
#include <cstdlib>

namespace orvexal {
namespace {

__extension__ typedef unsigned __int128 Wide;  // g++ and clang both have it

// IEEE 754 binary64: 52 stored fraction bits, exponent bias 1023.
constexpr int kFractionBits = 52;
constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << kFractionBits) - 1;
constexpr int kExponentMask = 0x7ff;
constexpr int kLowestExponent = -1074;  // of the unit of the last place of subnormals
// Bits a quotient's numerator and denominator may use: the remainder is
// doubled to compare it with the denominator, so one bit is kept free.
constexpr int kWideBits = 126;

// The powers of ten a Wide holds (10^38 < 2^128) and their bit widths.
constexpr int kLargestPower = 38;
struct PowerOfTen {
    Wide value;
    int bits;
};
constexpr auto kPowersOfTen = [] {
    std::array<PowerOfTen, kLargestPower + 1> powers{};
    Wide p = 1;
    for (auto& power : powers) {
        power.value = p;
        power.bits = 0;
        for (Wide w = p; w != 0; w >>= 1) {
            ++power.bits;
        }
        p *= 10;
    }
    return powers;
}();

// floor(n * log10(2)) = (n * 78913) >> 18 for |n| <= 1650 (Adams, "Ryu:
// fast float-to-string conversion", PLDI 2018), which covers every double.
constexpr int kLog10Of2Numerator = 78913;
constexpr int kLog10Of2Shift = 18;

// Whole value with a remainder to decide the rounding, to the nearest,
// ties to the even quotient.
std::uint64_t Rounded(Wide quotient, Wide twiceRemainder, Wide divisor)
{
    if (twiceRemainder > divisor || (twiceRemainder == divisor && (quotient & 1) != 0)) {
        ++quotient;
    }
    return static_cast<std::uint64_t>(quotient);
}

// m * 2^e * 10^scale rounded to an integer, when it can be worked exactly.
std::optional<std::uint64_t> ScaledRounded(std::uint64_t m, int e, int scale)
{
    const int tens = std::abs(scale);
    const int twos = std::abs(e);
    if (tens > kLargestPower) {
        return std::nullopt;
    }
    const PowerOfTen& power = kPowersOfTen[static_cast<std::size_t>(tens)];
    const int numeratorBits = std::bit_width(m) + (scale > 0 ? power.bits : 0) + (e > 0 ? twos : 0);
    const int denominatorBits = (scale < 0 ? power.bits : 0) + (e < 0 ? twos : 0);
    if (numeratorBits > kWideBits || denominatorBits > kWideBits) {
        return std::nullopt;
    }
    Wide numerator = m;
    if (scale >= 0) {
        numerator *= power.value;
        if (e >= 0) {
            return static_cast<std::uint64_t>(numerator << twos);
        }
        // A division by 2^twos is a shift.
        const Wide mask = (Wide{1} << twos) - 1;
        return Rounded(numerator >> twos, (numerator & mask) << 1, Wide{1} << twos);
    }
    Wide denominator = power.value;
    (e > 0 ? numerator : denominator) <<= twos;
    return Rounded(numerator / denominator, (numerator % denominator) << 1, denominator);
}

}  // namespace

std::optional<SignificantDigits> RoundToSignificantDigits(double value, int precision)
{
    // value = m * 2^e exactly.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>(bits >> kFractionBits) & kExponentMask;
    const std::uint64_t m = (bits & kFractionMask) | (biased != 0 ? kFractionMask + 1 : 0);
    const int e = biased != 0 ? biased + kLowestExponent - 1 : kLowestExponent;

    const auto lowest = static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(precision - 1)].value);
    const std::uint64_t beyond = lowest * 10;
    // The leading digit's exponent, possibly one too small.
    int exponent = ((e + std::bit_width(m) - 1) * kLog10Of2Numerator) >> kLog10Of2Shift;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const auto digits = ScaledRounded(m, e, precision - 1 - exponent);
        if (!digits) {
            return std::nullopt;
        }
        if (*digits >= beyond) {
            ++exponent;
        } else if (*digits < lowest) {
            --exponent;
        } else if (*digits == lowest) {
            // Either the value is a power of ten or rounded up to one; it
            // is the latter when one more digit below still fits.
            const auto below = ScaledRounded(m, e, precision - exponent);
            if (!below) {
                return std::nullopt;
            }
            if (*below < beyond) {
                return SignificantDigits{*below, exponent - 1};
            }
            return SignificantDigits{*digits, exponent};
        } else {
            return SignificantDigits{*digits, exponent};
        }
    }
    return std::nullopt;
}

}  // namespace orvexal
