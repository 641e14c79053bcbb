// The location list: the observing sites of the last location file loaded.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace orvexal {

// The most sites a location file holds; a file with more does not load.
inline constexpr std::size_t kMaxLocations = 1000;

// One site. Numbers stay exactly as the file gives them, in the notation of
// the main window's fields.
struct LocationRecord {
    std::string name;
    double longitudeWestPacked = 0;  // packed D.MMSS, + to the west
    double latitudeNorthPacked = 0;  // packed D.MMSS, + to the north
    double timeZoneWestHours = 0;    // hours from UTC, + to the west

    friend bool operator==(const LocationRecord&, const LocationRecord&) = default;
};

// The sites in file order, the first at index 0.
using LocationList = std::vector<LocationRecord>;

}  // namespace orvexal
