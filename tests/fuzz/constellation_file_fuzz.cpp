// The constellation file loader on any file contents.
//
// LoadConstellationFile reads the input into tables that hold the shipped
// boundaries. A load that succeeds counts 1 to 358 records, and the search
// ends for positions across the sky with one of their abbreviations or the
// empty text. A failed load leaves ConDataLoaded false and ConCount 0, so
// nothing is searched, and the records exactly as they were: nothing of the
// failed file is kept.
#include "fuzz_support.h"

namespace orvexal::fuzz {
namespace {

bool SameRecords(const ConstellationTables& a, const ConstellationTables& b)
{
    return a.ConRaLow == b.ConRaLow && a.ConRaHigh == b.ConRaHigh && a.ConDecLow == b.ConDecLow
           && a.ConAbbrev == b.ConAbbrev;
}

bool IsLoadedAbbreviation(const ConstellationTables& tables, const std::string& text)
{
    for (int i = 1; i <= tables.ConCount; ++i) {
        if (tables.ConAbbrev[i] == text) {
            return true;
        }
    }
    return text.empty();
}

void RequireSearchEnds(const ConstellationTables& tables)
{
    for (const double ra : {0.0, 6.5, 12.0, 23.99, 24.0}) {
        for (const double dec : {90.0, 45.0, 0.0, -45.0, -90.0}) {
            Require(IsLoadedAbbreviation(tables, FindConstellation(tables, ra, dec)),
                    "the search names a loaded record or none");
        }
    }
}

}  // namespace
}  // namespace orvexal::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orvexal;
    using namespace orvexal::fuzz;
    const ConstellationTables& shipped = ShippedTables();
    ConstellationTables tables = shipped;
    const bool loaded = LoadConstellationFile(InputFolder().Write("Constell.dat", TextOf(data, size)), tables);
    Require(loaded == tables.ConDataLoaded, "the result is ConDataLoaded");
    if (loaded) {
        Require(tables.ConCount >= 1 && tables.ConCount <= ConstellationTables::kMaxRecords, "1 to 358 records");
    } else {
        Require(tables.ConCount == 0, "a failed load leaves nothing to search");
        Require(SameRecords(tables, shipped), "a failed load keeps the records as they were");
    }
    RequireSearchEnds(tables);
    return 0;
}
