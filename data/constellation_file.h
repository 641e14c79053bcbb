// Reading the constellation boundary file into the constellation tables.
//
// One record per line: lower RA (hours), upper RA (hours), lower Dec
// (degrees), abbreviation; at most 358 records, in the published order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astro/constellation.h"

namespace orvexal {

// The file the start-up reads from the working folder.
inline constexpr std::string_view kConstellationFile = "Constell.dat";

// One boundary box of equinox 1875, as the file gives it.
struct ConstellationBox {
    double raLowHours = 0;   // inside the box
    double raHighHours = 0;  // outside the box
    double decLowDeg = 0;    // inside the box
    std::string abbreviation;
};

// The boxes of a constellation file's text in file order (1 to 358), or
// nothing on any fault: an item that is not a number where a number is
// expected, a record cut off by the end of the text, a 359th record.
std::optional<std::vector<ConstellationBox>> ReadConstellationBoxes(std::string_view text);

// Makes the tables exactly the boxes read, with ConDataLoaded true and
// ConCount their number; after a read that failed (nothing) sets
// ConDataLoaded false and ConCount 0 and leaves the records as they were.
// Returns ConDataLoaded.
bool LoadConstellations(const std::optional<std::vector<ConstellationBox>>& boxes, ConstellationTables& tables);

// LoadConstellations of the file `path` read whole; a file that cannot be
// read fails as a bad one does.
bool LoadConstellationFile(const std::string& path, ConstellationTables& tables);

}  // namespace orvexal
