// The location file reader on any file contents.
//
// The input is written to a file that LoadLocationFile reads into a list
// already holding the shipped LOCATION.DAT. The outcome is WrongFile exactly
// when the file begins with "0,"; a refused or failed load leaves the list
// exactly as it was; a load that succeeds holds 1 to 1000 records and has
// emptied every slot past them.
#include "data/location_file.h"
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

bool SameList(const LocationList& a, const LocationList& b)
{
    return a.LocName == b.LocName && a.LocLongitude == b.LocLongitude && a.LocLatitude == b.LocLatitude
           && a.LocTimeZone == b.LocTimeZone && a.LocCount == b.LocCount && a.LocFileName == b.LocFileName;
}

bool EmptyFrom(const LocationList& list, int first)
{
    for (int i = first; i <= LocationList::kMaxRecords; ++i) {
        if (!list.LocName[i].empty() || list.LocLongitude[i] != 0 || list.LocLatitude[i] != 0
            || list.LocTimeZone[i] != 0) {
            return false;
        }
    }
    return true;
}

// The shipped list, loaded once; each input is read into a copy.
const LocationList& ShippedList()
{
    static const LocationList list = [] {
        LocationList loaded;
        loaded.LocFileName = ORVEXAL_SHARE_DIR "/LOCATION.DAT";
        Require(LoadLocationFile(loaded) == LocationLoadResult::Loaded, "shipped locations load");
        return loaded;
    }();
    return list;
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const std::string_view contents = TextOf(data, size);
    LocationList before = ShippedList();
    before.LocFileName = InputFolder().Write("LOCATION.DAT", contents);
    LocationList list = before;
    const LocationLoadResult result = LoadLocationFile(list);
    Require((result == LocationLoadResult::WrongFile) == contents.starts_with("0,"),
            "WrongFile exactly for a file beginning with 0,");
    if (result == LocationLoadResult::Loaded) {
        Require(list.LocCount >= 1 && list.LocCount <= LocationList::kMaxRecords, "1 to 1000 records");
        Require(EmptyFrom(list, list.LocCount + 1), "slots past the records emptied");
    } else {
        Require(SameList(list, before), "a refused or failed load changes nothing");
    }
    return 0;
}
