// The location file reader on any text, from memory, and its load over the
// shipped list: WrongFile exactly for "0," at the start; a refused or failed
// read holds no record and its load changes nothing; a read that loads holds
// 1 to 1000 records of finite numbers, and its load makes the list exactly
// them.
#include <cmath>

#include "data/location_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    static const LocationList shipped = [] {
        LocationList loaded;
        Require(LoadLocationFile(ORVEXAL_SHARE_DIR "/LOCATION.DAT", loaded) == LocationLoadResult::Loaded,
                "shipped locations load");
        return loaded;
    }();
    const std::string_view text = TextOf(data, size);
    const LocationRead read = ReadLocations(text);
    Require((read.result == LocationLoadResult::WrongFile) == text.starts_with("0,"),
            "WrongFile exactly for a text beginning with 0,");
    // Loaded over the shipped list, which is copied back only after a load
    // that changed it.
    static LocationList list = shipped;
    Require(ApplyLocationRead(read, list) == read.result, "the load gives the read's result");
    if (read.result != LocationLoadResult::Loaded) {
        Require(read.records.empty() && list == shipped, "a refused or failed load changes nothing");
        return 0;
    }
    Require(!read.records.empty() && read.records.size() <= kMaxLocations, "1 to 1000 records");
    Require(list == read.records, "the list is exactly the records read");
    list = shipped;
    for (const LocationRecord& site : read.records) {
        Require(std::isfinite(site.longitudeWestPacked) && std::isfinite(site.latitudeNorthPacked)
                    && std::isfinite(site.timeZoneWestHours),
                "numbers are finite", site.name);
    }
    return 0;
}
