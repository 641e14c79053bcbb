// The constellation file reader on any text, from memory, loaded over the
// shipped tables: 1 to 358 records, or after a failure nothing to search and the records as they
// were; the search across the sky names a loaded abbreviation or none.
#include <algorithm>

#include "data/constellation_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    static ConstellationTables shipped;
    static const bool ready = LoadConstellationFile(ORVEXAL_SHARE_DIR "/Constell.dat", shipped);
    Require(ready, "shipped boundaries load");
    // Loaded over the shipped tables, which it is made again afterwards: a
    // failed load changes only the two flags, which are set back, so the
    // whole tables are copied only after a load that succeeded.
    static ConstellationTables tables = shipped;
    struct Restore {
        ~Restore()
        {
            if (tables.ConDataLoaded) {
                tables = shipped;
            }
            tables.ConDataLoaded = true;
            tables.ConCount = shipped.ConCount;
        }
    } restore;
    if (LoadConstellations(ReadConstellationBoxes(TextOf(data, size)), tables)) {
        Require(tables.ConDataLoaded && tables.ConCount >= 1 && tables.ConCount <= 358, "1 to 358 records");
    } else {
        Require(!tables.ConDataLoaded && tables.ConCount == 0 && tables.ConAbbrev == shipped.ConAbbrev
                    && tables.ConRaLow == shipped.ConRaLow && tables.ConDecLow == shipped.ConDecLow,
                "a failed load leaves nothing to search and the records as they were");
    }
    for (const double ra : {0.0, 6.5, 12.0, 23.99, 24.0}) {
        for (const double dec : {90.0, 45.0, 0.0, -45.0, -90.0}) {
            const std::string found = FindConstellation(tables, ra, dec);
            const auto end = tables.ConAbbrev.begin() + tables.ConCount + 1;
            Require(found.empty() || std::find(tables.ConAbbrev.begin() + 1, end, found) != end,
                    "the search names a loaded record or none", found);
        }
    }
    return 0;
}
