// Reading the location file into the location list.
//
// Two header lines (the first must not begin with "0,", which marks the
// constellation file), then one record per line: name (in double quotes when
// it holds a comma), longitude D.MMSS (+ to the west), latitude D.MMSS
// (+ to the north), time zone in hours (+ to the west). At most 1000 records.
#pragma once

#include <string>
#include <string_view>

#include "data/location_list.h"

namespace orvexal {

enum class LocationLoadResult { Loaded, WrongFile, Failed };

// What a location file's text holds: on Loaded its records (1 to 1000),
// otherwise none.
struct LocationRead {
    LocationLoadResult result = LocationLoadResult::Failed;
    LocationList records;
};

// Reads the whole text of a location file.
LocationRead ReadLocations(std::string_view text);

// On Loaded makes the list exactly the records read; on WrongFile or Failed
// leaves it exactly as it was. Returns the read's result.
LocationLoadResult ApplyLocationRead(LocationRead read, LocationList& list);

// ApplyLocationRead of the file `path` read whole; a file that cannot be
// read is Failed.
LocationLoadResult LoadLocationFile(const std::string& path, LocationList& list);

// The main window's status line after a load, or nothing when the load does
// not change it (WrongFile): "LOCATION file was loaded." or
// "LOCATION file was NOT loaded ***********".
std::string_view StatusLineAfter(LocationLoadResult result);

// The message box shown when the constellation file was chosen instead.
inline constexpr std::string_view kWrongFileMessage =
    "This is the constellation file.  Please load the location file.";

// The file name the start-up loads from the working folder.
inline constexpr std::string_view kDefaultLocationFile = "LOCATION.DAT";

}  // namespace orvexal
