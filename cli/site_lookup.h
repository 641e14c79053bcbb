// Observing sites by name, from the location file.
#pragma once

#include <string>
#include <string_view>

#include "data/location_list.h"

namespace orvexal {

// Loads the location file `path` into `sites`. Throws std::invalid_argument
// with one line when it cannot be read or is the constellation file.
void ReadSites(const std::string& path, LocationList& sites);

// The index in `sites` (read from the file `path`) of the site that `query`
// names, letter case aside: the first whose whole name it is, else the only
// one whose name begins with it. Throws std::invalid_argument when none or
// several fit, with the names nearest to the query, or the fitting ones, one
// a line.
std::size_t FindSite(const LocationList& sites, const std::string& path, std::string_view query);

// The sites one a line under the window's captions: name, longitude,
// latitude, zone, in aligned columns.
std::string SiteTable(const LocationList& sites);

}  // namespace orvexal
