// Reading the constellation boundary file into the constellation tables.
//
// One record per line: lower RA (hours), upper RA (hours), lower Dec
// (degrees), abbreviation; at most 358 records, in the published order.
#pragma once

#include <string>
#include <string_view>

#include "astro/constellation.h"

namespace orvexal {

// The file the start-up reads from the working folder.
inline constexpr std::string_view kConstellationFile = "Constell.dat";

// Reads the whole file into the tables and sets ConDataLoaded and ConCount.
// Any fault (missing file, an item that is not a number where a number is
// expected, a record cut off by the end of the file, a 359th record) leaves
// ConDataLoaded false, ConCount 0 and the records as they were. Returns
// ConDataLoaded.
bool LoadConstellationFile(const std::string& path, ConstellationTables& tables);

}  // namespace orvexal
