// The Targets window's settings reader on any text: the settings it gives
// keep their limits in range, and written and read again are the same.
#include "data/targets_settings.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const TargetsSettings read = ReadTargetsSettings(TextOf(data, size));
    Require(read.altitudeDeg >= kLeastAltitudeLimitDeg && read.altitudeDeg <= kLargestAltitudeLimitDeg,
            "the altitude limit in range");
    Require(read.moonDistanceDeg >= 0 && read.moonDistanceDeg <= kLargestMoonLimitDeg, "the Moon's limit in range");
    Require(ReadTargetsSettings(TargetsSettingsText(read)) == read, "the settings read back the same");
    return 0;
}
