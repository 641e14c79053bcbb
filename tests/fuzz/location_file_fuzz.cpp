// The location file reader on any file, over the shipped list: WrongFile
// exactly for "0," at the start; a refused or failed load changes nothing; a
// load holds 1 to 1000 records and empties every slot past them.
#include "data/location_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    static const LocationList shipped = [] {
        LocationList loaded;
        loaded.LocFileName = ORVEXAL_SHARE_DIR "/LOCATION.DAT";
        Require(LoadLocationFile(loaded) == LocationLoadResult::Loaded, "shipped locations load");
        return loaded;
    }();
    LocationList list = shipped;
    list.LocFileName = WriteInput("LOCATION.DAT", TextOf(data, size));
    const LocationLoadResult result = LoadLocationFile(list);
    Require((result == LocationLoadResult::WrongFile) == TextOf(data, size).starts_with("0,"),
            "WrongFile exactly for a file beginning with 0,");
    if (result != LocationLoadResult::Loaded) {
        Require(list.LocName == shipped.LocName && list.LocLatitude == shipped.LocLatitude
                    && list.LocCount == shipped.LocCount,
                "a refused or failed load changes nothing");
        return 0;
    }
    Require(list.LocCount >= 1 && list.LocCount <= LocationList::kMaxRecords, "1 to 1000 records");
    for (int i = list.LocCount + 1; i <= LocationList::kMaxRecords; ++i) {
        Require(list.LocName[i].empty() && list.LocLongitude[i] == 0 && list.LocTimeZone[i] == 0, "slots emptied");
    }
    return 0;
}
