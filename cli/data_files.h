// Where orvexal-calc finds its data files: the one named on the command
// line, else the one in the working folder, else the copy installed with the
// program in share/orvexal/, found from the program's own place so that an
// installed tree works wherever it is moved and from any working folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvexal {

// How a file's name in the working folder is matched.
enum class NameMatch {
    Exact,     // Constell.dat, as the window reads it
    AnyCase,   // LOCATION.DAT, location.dat, Location.Dat ...
};

// The file to read. When there is none at all, the bare name, so that the
// reader's failure names it.
std::string DataFilePath(const std::optional<std::string>& named, std::string_view name, NameMatch match);

}  // namespace orvexal
