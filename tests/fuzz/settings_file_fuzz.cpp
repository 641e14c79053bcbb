// The settings file reader on any file contents.
//
// ReadSettingsFile gives all seven items or nothing, and keeps no state of
// its own: nothing of a file it refuses reaches the program. A record it
// gives, written by WriteSettingsFile and read again, is the same record.
#include "data/settings_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const std::optional<SettingsRecord> read =
        ReadSettingsFile(InputFolder().Write("Typed.ini", TextOf(data, size)));
    if (read) {
        const std::string written = InputFolder().Write("Orvex3.ini", "");
        Require(WriteSettingsFile(written, *read), "the settings are written");
        Require(ReadSettingsFile(written) == read, "the record reads back the same");
    }
    return 0;
}
