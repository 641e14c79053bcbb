#include "data/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace orvexal {
namespace {

// The bytes read from the file at a time.
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

// The mark between a replaced file's name and the process id in the name of
// its new text, and the names tried before giving up.
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr int kTemporaryAttempts = 100;

FileText FailedRead(std::string reason)
{
    return {{}, std::move(reason)};
}

// Creates a file beside path under a name no other entry has, as mkstemp
// does, but with the permissions of any new file (0666 less the umask).
// The process id keeps two copies of the program ending at once apart;
// O_EXCL never opens an entry that is already there, nor follows a link, so
// a stale file, folder or link of that name is left alone and the next
// number tried. Returns the open descriptor and its name, or -1.
int CreateTemporaryFile(const std::string& path, std::string& name)
{
    const std::string stem = path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        name = stem + std::to_string(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Writes the whole text, which may take more than one call.
bool WriteAll(int fd, std::string_view text)
{
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
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

bool ReplaceFileText(const std::string& path, std::string_view text)
{
    std::string temporary;
    const int fd = CreateTemporaryFile(path, temporary);
    if (fd < 0) {
        return false;
    }
    // On the disk before the rename, so that a power cut right after it
    // leaves the old file or the new one, never an empty one.
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace orvexal
