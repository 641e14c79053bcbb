#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

#include "numbers/significant_digits.h"

namespace orvexal {
namespace {

// Significant digits of the general text of a double and of a single.
constexpr int kDoubleDigits = 15;
constexpr int kSingleDigits = 7;

bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Collects the characters of the leading number, without the ignored blanks,
// in the form strtod reads ("D" exponents written as "e").
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    std::string Scan()
    {
        TakeSign(mantissa_);
        bool point = false;
        while (char c = Peek()) {
            if (IsDigit(c)) {
                digits_ = true;
            } else if (c == '.' && !point) {
                point = true;
            } else {
                break;
            }
            mantissa_ += c;
            ++pos_;
        }
        if (!digits_) {
            return {};
        }
        TakeExponent();
        return mantissa_;
    }

private:
    char Peek()
    {
        while (pos_ < text_.size() && IsIgnoredBlank(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    void TakeSign(std::string& into)
    {
        const char c = Peek();
        if (c == '+' || c == '-') {
            into += c;
            ++pos_;
        }
    }

    void TakeExponent()
    {
        const char c = Peek();
        if (c != 'E' && c != 'e' && c != 'D' && c != 'd') {
            return;
        }
        ++pos_;
        std::string exponent = "e";
        TakeSign(exponent);
        bool any = false;
        while (IsDigit(Peek())) {
            exponent += text_[pos_++];
            any = true;
        }
        if (any) {
            mantissa_ += exponent;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string mantissa_;
    bool digits_ = false;
};

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

// A number's text, kept on the stack until the final string is made.
struct ShortText {
    char chars[48];
    std::size_t size = 0;

    std::string_view View() const { return {chars, size}; }
};

// "00", "01", ... "99": two decimal digits per division.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The last `count` decimal digits of n, leading zeros included, at first.
void WriteDigits(std::uint64_t n, char* first, int count)
{
    char* last = first + count;
    for (; count >= 2; count -= 2) {
        last -= 2;
        std::copy_n(&kDigitPairs[2 * (n % 100)], 2, last);
        n /= 100;
    }
    if (count == 1) {
        *--last = static_cast<char>('0' + n % 10);
    }
}

// The digits of %G: the exponent form ("1.5E-07") where the decimal exponent
// is below -4 or not below the precision, else plain digits; trailing zeros
// and a trailing point removed.
ShortText GeneralForm(SignificantDigits rounded, int precision)
{
    char digits[24];
    WriteDigits(rounded.digits, digits, precision);
    int kept = precision;
    while (kept > 1 && digits[kept - 1] == '0') {
        --kept;
    }
    const int x = rounded.exponent;
    ShortText text;
    char* out = text.chars;
    const auto put = [&out](const char* from, int count) { out = std::copy(from, from + count, out); };
    if (x < -4 || x >= precision) {
        put(digits, 1);
        if (kept > 1) {
            put(".", 1);
            put(digits + 1, kept - 1);
        }
        put(x < 0 ? "E-" : "E+", 2);
        const int magnitude = std::abs(x);
        if (magnitude < 10) {
            put("0", 1);
        }
        out = std::to_chars(out, std::end(text.chars), magnitude).ptr;
    } else if (x >= 0) {
        const int whole = x + 1;
        put(digits, whole);
        if (kept > whole) {
            put(".", 1);
            put(digits + whole, kept - whole);
        }
    } else {
        put("0.", 2);
        out = std::fill_n(out, -x - 1, '0');
        put(digits, kept);
    }
    text.size = static_cast<std::size_t>(out - text.chars);
    return text;
}

// The characters a number without blanks, "+" in front or "D" exponent may
// hold, and those after which the scanner must read on.
bool IsPlainNumberChar(char c) { return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+'; }
bool NeedsScanning(char c) { return IsIgnoredBlank(c) || c == 'D' || c == 'd'; }

// LeadingNumber of any text: its number collected by the scanner.
double ScannedNumber(std::string_view text)
{
    const std::string number = NumberScanner(text).Scan();
    if (number.empty()) {
        return 0.0;
    }
    double value = 0;
    const char* first = number.data() + (number[0] == '+' ? 1 : 0);
    if (std::from_chars(first, number.data() + number.size(), value).ec != std::errc()) {
        // Beyond the double range: strtod tells an overflow (an infinity)
        // from an underflow (zero or a subnormal value).
        value = strtod_l(number.c_str(), nullptr, CLocale());
    }
    if (std::isinf(value)) {
        throw ArithmeticFault(FaultKind::Overflow);
    }
    return value;
}

// printf's %.{precision}G of a non-negative value in the C locale, whatever
// the process locale is.
ShortText GeneralDigits(double value, int precision)
{
    if (value > 0 && std::isfinite(value)) {
        if (const auto rounded = RoundToSignificantDigits(value, precision)) {
            return GeneralForm(*rounded, precision);
        }
    }
    ShortText text;
    const auto result = std::to_chars(std::begin(text.chars), std::end(text.chars), value,
                                      std::chars_format::general, precision);
    std::replace(text.chars, result.ptr, 'e', 'E');
    text.size = static_cast<std::size_t>(result.ptr - text.chars);
    return text;
}

// Turns the plain digits of a non-negative value into the general text:
// the sign position in front, no "0" before the point.
std::string WithSignPosition(std::string_view digits, bool negative)
{
    if (digits.starts_with("0.")) {
        digits.remove_prefix(1);
    }
    std::string text(digits.size() + 1, negative ? '-' : ' ');
    digits.copy(text.data() + 1, digits.size());
    return text;
}

// Rewrites an exponent form with a negative exponent ("6.2E-05") in plain
// decimal digits ("0.000062").
constexpr std::string_view kSmallExponent = "E-";
std::string WithoutSmallExponent(std::string_view digits)
{
    const auto e = digits.find(kSmallExponent);
    std::string mantissa(digits.substr(0, e));
    const int shift = std::atoi(std::string(digits.substr(e + 2)).c_str());
    mantissa.erase(std::remove(mantissa.begin(), mantissa.end(), '.'), mantissa.end());
    return "0." + std::string(static_cast<std::size_t>(shift - 1), '0') + mantissa;
}

double WithoutNegativeZero(double value)
{
    return value == 0 ? 0.0 : value;
}

// The general text at a precision, a magnitude below 1e-4 in plain digits
// when asked.
std::string SignedGeneralText(double value, int precision, bool plainWhenSmall)
{
    value = WithoutNegativeZero(value);
    const ShortText digits = GeneralDigits(std::fabs(value), precision);
    if (plainWhenSmall && digits.View().find(kSmallExponent) != std::string_view::npos) {
        return WithSignPosition(WithoutSmallExponent(digits.View()), std::signbit(value));
    }
    return WithSignPosition(digits.View(), std::signbit(value));
}

}  // namespace

double LeadingNumber(std::string_view text)
{
    // Most texts are a plain number already: read them where they stand.
    const auto run = std::find_if_not(text.begin(), text.end(), IsPlainNumberChar);
    const bool plain = !text.starts_with('+') && (run == text.end() || !NeedsScanning(*run));
    if (plain) {
        double value = 0;
        const auto result = std::from_chars(text.data(), text.data() + (run - text.begin()), value);
        if (result.ec == std::errc::invalid_argument) {
            return 0.0;
        }
        if (result.ec == std::errc()) {
            return value;
        }
    }
    return ScannedNumber(text);
}

std::string GeneralText(double value)
{
    return SignedGeneralText(value, kDoubleDigits, false);
}

std::string GeneralText(float value)
{
    return SignedGeneralText(value, kSingleDigits, false);
}

std::string GeneralTextNoSmallExponent(double value)
{
    return SignedGeneralText(value, kDoubleDigits, true);
}

std::string GeneralTextNoSmallExponent(float value)
{
    return SignedGeneralText(value, kSingleDigits, true);
}

std::string PlainText(double value)
{
    value = WithoutNegativeZero(value);
    std::string text(std::signbit(value) ? "-" : "");
    return text.append(GeneralDigits(std::fabs(value), kDoubleDigits).View());
}

std::string PlainText(Int16 value)
{
    return std::to_string(value);
}

std::string FirstChars(std::string text, std::size_t n)
{
    if (text.size() > n) {
        text.resize(n);
    }
    return text;
}

}  // namespace orvexal
