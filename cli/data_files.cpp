#include "cli/data_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace orvexal {
namespace {

namespace fs = std::filesystem;

bool SameBarringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

// The file of that name in the working folder: the exact name first, else
// (AnyCase) the first of the names that differ from it only in letter case.
std::optional<fs::path> InWorkingFolder(std::string_view name, NameMatch match)
{
    std::error_code error;
    if (fs::is_regular_file(name, error)) {
        return fs::path(name);
    }
    if (match == NameMatch::Exact) {
        return std::nullopt;
    }
    std::optional<fs::path> found;
    for (const auto& entry : fs::directory_iterator(".", error)) {
        const fs::path file = entry.path().filename();
        if (SameBarringCase(file.native(), name) && entry.is_regular_file(error) && (!found || file < *found)) {
            found = file;
        }
    }
    return found;
}

std::optional<fs::path> InstalledCopy(std::string_view name)
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    const fs::path installed = (program.parent_path() / ORVEXAL_DATA_FROM_BIN / name).lexically_normal();
    if (error || !fs::is_regular_file(installed, error)) {
        return std::nullopt;
    }
    return installed;
}

}  // namespace

std::string DataFilePath(const std::optional<std::string>& named, std::string_view name, NameMatch match)
{
    if (named) {
        return *named;
    }
    const auto found = InWorkingFolder(name, match);
    if (found) {
        return found->string();
    }
    return InstalledCopy(name).value_or(fs::path(name)).string();
}

}  // namespace orvexal
