// Reading a data file whole into memory, for the readers that take its
// text, and replacing a file's text whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

// Writes the text into a new file beside path and renames it over path only
// once it was written, flushed to the disk and closed without a fault, so a
// failed write (a full disk, a power cut) leaves the old file or the new
// one, never a half-written one. The new file's name is path, ".tmp-", the
// process id and a number. A link in path's place is replaced, its target
// left alone; a folder there refuses it. False when the text was not
// written.
bool ReplaceFileText(const std::string& path, std::string_view text);

}  // namespace orvexal
