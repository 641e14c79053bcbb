// LeadingNumber reads any bytes to a finite number or an overflow fault; that
// number and the first bytes as a double and a float are written with printf's
// digits ("%.15G", "%.7G" for a float) by GeneralText and PlainText, whose
// texts read back as strtod reads them.
#include <cmath>
#include <cstdio>
#include <optional>

#include "numbers/number_text.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

std::string Printed(int digits, double value)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
    return buffer;
}

// LeadingNumber of a text, or nothing after an overflow fault.
std::optional<double> ReadBack(const std::string& text, bool asStrtod = false)
{
    std::optional<double> read;
    try {
        read = LeadingNumber(text);
    } catch (const ArithmeticFault& fault) {
        Require(fault.Kind() == FaultKind::Overflow, "LeadingNumber faults only by overflow", text);
    }
    const double expected = std::strtod(text.c_str(), nullptr);
    Require(!asStrtod || read == (std::isinf(expected) ? std::nullopt : std::optional(expected)),
            "a text reads back as strtod reads it", text);
    return read;
}

void Check(double x, int digits, const std::string& general)
{
    if (std::isfinite(x)) {
        std::string magnitude = Printed(digits, std::fabs(x));
        magnitude.erase(0, magnitude.starts_with("0.") ? 1 : 0);
        Require(general == (x < 0 ? "-" : " ") + magnitude, "GeneralText has printf's digits", general);
        ReadBack(general, true);
    }
    if (std::isfinite(x) && digits == 15) {
        const std::string plain = PlainText(x);
        Require(plain == Printed(15, x == 0 ? 0.0 : x), "PlainText has printf's digits", plain);
        ReadBack(plain, true);
        Require(ReadBack(GeneralTextNoSmallExponent(x)) == ReadBack(general), "the same number without exponent");
    }
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const std::optional<double> read = ReadBack(std::string(TextOf(data, size)));
    Require(!read || std::isfinite(*read), "LeadingNumber gives a finite number");
    for (const double x : {read.value_or(0), ValueAt<double>(data, size, 0)}) {
        Check(x, 15, GeneralText(x));
    }
    for (const float f : {static_cast<float>(read.value_or(0)), ValueAt<float>(data, size, 0)}) {
        Check(f, 7, GeneralText(f));
    }
    return 0;
}
