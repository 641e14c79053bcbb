#include "data/file_name_case.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace orvexal {
namespace {

namespace fs = std::filesystem;

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const std::string& a, const std::string& b)
{
    return std::ranges::equal(a, b, {}, LowerAscii, LowerAscii);
}

// The one entry of the folder named like the name but for case; nothing
// when there is none, several, or the folder cannot be listed.
std::optional<std::string> SingleMatch(const fs::path& folder, const std::string& name)
{
    std::error_code error;
    fs::directory_iterator entries(folder.empty() ? fs::path(".") : folder, error);
    std::optional<std::string> match;
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::string candidate = entries->path().filename().string();
        if (SameIgnoringCase(candidate, name)) {
            if (match) {
                return std::nullopt;
            }
            match = candidate;
        }
    }
    return error ? std::nullopt : match;
}

}  // namespace

std::string PathIgnoringCase(const std::string& path)
{
    const fs::path written(path);
    std::error_code error;
    if (fs::exists(fs::symlink_status(written, error)) || !written.has_filename()) {
        return path;
    }
    const std::optional<std::string> match = SingleMatch(written.parent_path(), written.filename().string());
    return match ? (written.parent_path() / *match).string() : path;
}

}  // namespace orvexal
