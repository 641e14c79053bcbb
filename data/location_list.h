// The location list: the observing sites of the last location file loaded.
#pragma once

#include <array>
#include <string>

#include "numbers/fault.h"

namespace orvexal {

// Four parallel arrays and a count. Records are stored from index 1; index 0
// is never filled and keeps an empty name and zeros. Numbers stay exactly as
// the file gives them, in the notation of the main window's fields.
struct LocationList {
    static constexpr int kMaxRecords = 1000;
    std::array<std::string, kMaxRecords + 1> LocName{};
    std::array<double, kMaxRecords + 1> LocLongitude{};  // packed D.MMSS, + to the west
    std::array<double, kMaxRecords + 1> LocLatitude{};   // packed D.MMSS, + to the north
    std::array<double, kMaxRecords + 1> LocTimeZone{};   // hours from UTC, + to the west
    Int16 LocCount = 0;          // records of the last successful load
    std::string LocFileName;     // the file the next load opens
};

}  // namespace orvexal
