// Finding a file by a name written without regard to case.
//
// The data files are named as on a file system that ignores case
// ("LOCATION.DAT", "Constell.dat", "Orvex3.ini"), while Linux file names are
// case-sensitive: a user's own "location.dat" is a different name there.
// Letters are compared by their ASCII case only.
#pragma once

#include <string>

namespace orvexal {

// The path to open for a file path whose last part may differ in case from
// the file's real name: the path itself when something of that exact name
// exists; otherwise the folder's single entry whose name differs only in
// case, in the folder as written; otherwise (no such entry, or more than
// one) the path itself, which then fails to open as it would have.
std::string PathIgnoringCase(const std::string& path);

}  // namespace orvexal
