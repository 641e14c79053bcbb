#include "data/whole_file.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace orvexal {
namespace {

// The bytes read from the file at a time.
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

FileText FailedRead(std::string reason)
{
    return {{}, std::move(reason)};
}

}  // namespace

FileText ReadWholeFile(const std::string& path, std::uintmax_t maxBytes)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_type type = fs::status(path, error).type();
    if (type == fs::file_type::not_found) {
        return FailedRead("no such file: " + path);
    }
    if (error) {
        return FailedRead("the file cannot be examined: " + path + " (" + error.message() + ")");
    }
    // Only a plain file (or a link to one) is read: a named pipe or a device
    // chosen by mistake would keep the program waiting for its data.
    if (type != fs::file_type::regular) {
        return FailedRead("not a plain file: " + path);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return FailedRead("the file cannot be opened: " + path);
    }
    FileText read;
    std::vector<char> block(kBlockBytes);
    // Read in blocks against the bound rather than by the size stat gave:
    // a file that grows while it is read is still refused at the bound.
    while (file.read(block.data(), static_cast<std::streamsize>(block.size())) || file.gcount() > 0) {
        const auto count = static_cast<std::size_t>(file.gcount());
        if (read.text.size() + count > maxBytes) {
            return FailedRead("the file is larger than " + std::to_string(maxBytes) + " bytes: " + path);
        }
        read.text.append(block.data(), count);
    }
    if (file.bad()) {
        return FailedRead("a read error in " + path);
    }
    return read;
}

}  // namespace orvexal
