// Reading the location file into the location list.
//
// Two header lines (the first must not begin with "0,", which marks the
// constellation file), then one record per line: name (in double quotes when
// it holds a comma), longitude D.MMSS (+ to the west), latitude D.MMSS
// (+ to the north), time zone in hours (+ to the west). At most 1000 records.
#pragma once

#include <string_view>

#include "data/location_list.h"

namespace orvexal {

enum class LocationLoadResult { Loaded, WrongFile, Failed };

// Reads list.LocFileName. On Loaded the list holds exactly the file's
// records and LocCount their number; on WrongFile or Failed the list is left
// exactly as it was.
LocationLoadResult LoadLocationFile(LocationList& list);

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
