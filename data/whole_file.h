// Reading a data file whole into memory, for the readers that take its text.
#pragma once

#include <cstdint>
#include <string>

namespace orvexal {

// A file's whole contents, or the reason it could not be read.
struct FileText {
    std::string text;
    std::string failure;  // empty when the file was read
};

// Reads a plain file whole. Refuses a path that does not exist or is not a
// plain file (a folder, a named pipe), a file that cannot be opened, a read
// error, and a file larger than maxBytes, which is refused once maxBytes
// were read (so a foreign file chosen by mistake takes no more memory).
FileText ReadWholeFile(const std::string& path, std::uintmax_t maxBytes);

}  // namespace orvexal
