// The settings reader on any text, from memory: a record it gives, written
// and read again, is the same record.
#include "data/settings_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const std::optional<SettingsRecord> read = ReadSettings(TextOf(data, size));
    if (read) {
        Require(ReadSettings(SettingsText(*read)) == read, "the record reads back the same");
    }
    return 0;
}
