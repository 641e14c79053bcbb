// FormatFixed and FormatExponent for any double (bytes 2 to 9), width (byte 0)
// and decimals (byte 1): number characters only, FormatFixed exactly `width`
// of them unless in the exponent form ("D", a sign, digits at the end); the
// only fault an overflow near the top of the double range.
#include <cmath>
#include <limits>

#include "numbers/fixed_format.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

void Check(std::string (*format)(double, Int16, Int16), double x, int width, int decimals, bool fixed)
{
    try {
        const std::string text = format(x, static_cast<Int16>(width), static_cast<Int16>(decimals));
        const std::size_t d = text.rfind('D');
        if (!std::isfinite(x)) {
            return;
        }
        Require(text.find_first_not_of(" -+.0123456789ED") == std::string::npos, "only number characters", text);
        Require(text.size() >= static_cast<std::size_t>(width), "at least the width", text);
        if (fixed && d == std::string::npos) {
            Require(text.size() == static_cast<std::size_t>(width), "exactly the width", text);
        } else {
            Require(d != std::string::npos && d + 4 <= text.size() && (text[d + 1] == '+' || text[d + 1] == '-')
                        && text.find_first_not_of("0123456789", d + 2) == std::string::npos,
                    "exponent form ends in D, sign, digits", text);
        }
    } catch (const ArithmeticFault& fault) {
        // Only the rounding's x * 10^decimals or the exponent form's 10^e can pass the range.
        Require(!std::isfinite(x) || (fault.Kind() == FaultKind::Overflow
                                      && std::fabs(x) > std::numeric_limits<double>::max() / 1e20),
                "a finite value faults only by overflow, near the top of the range");
    }
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal::fuzz;
    const int width = ValueAt<std::uint8_t>(data, size, 0) % 30 + 1;
    const int decimals = ValueAt<std::uint8_t>(data, size, 1) % 21;
    const double x = ValueAt<double>(data, size, 2);
    Check(orvexal::FormatFixed, x, width, decimals, true);
    Check(orvexal::FormatExponent, x, width, decimals, false);
    return 0;
}
