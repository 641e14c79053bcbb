// The settings reader on any file: a record it gives, written and read
// again, is the same record.
#include "data/settings_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const std::optional<SettingsRecord> read = ReadSettingsFile(WriteInput("Typed.ini", TextOf(data, size)));
    if (read) {
        const std::string written = WriteInput("Orvex3.ini", "");
        Require(WriteSettingsFile(written, *read), "the settings are written");
        Require(ReadSettingsFile(written) == read, "the record reads back the same");
    }
    return 0;
}
