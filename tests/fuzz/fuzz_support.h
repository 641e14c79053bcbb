// Helpers shared by the fuzz targets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "data/constellation_file.h"

namespace orvexal::fuzz {

// A property that does not hold ends the process the way a sanitizer report
// does, so that libFuzzer keeps the input as a crash file.
inline void Require(bool holds, const char* property, std::string_view detail = {})
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s [%.*s]\n", property, static_cast<int>(detail.size()),
                     detail.data());
        std::abort();
    }
}

inline std::string_view TextOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The bytes at `offset` taken as a value of T; zero when the input is short.
template <typename T>
T ValueAt(const std::uint8_t* data, std::size_t size, std::size_t offset)
{
    T value{};
    if (offset + sizeof value <= size) {
        std::memcpy(&value, data + offset, sizeof value);
    }
    return value;
}

// "nan" or "inf" in any letter case: what a non-finite value prints as.
inline bool SpellsNonFinite(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    }
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// A temporary folder for the inputs of the file loaders, removed when the
// process ends normally.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvexal-fuzz-XXXXXX").string();
        Require(mkdtemp(pattern.data()) != nullptr, "temporary folder made");
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes `contents` as the file `name` in the folder; returns its path.
    std::string Write(std::string_view name, std::string_view contents) const
    {
        const std::string path = (path_ / name).string();
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(contents.data(), static_cast<std::streamsize>(contents.size()));
        return path;
    }

private:
    std::filesystem::path path_;
};

// The folder of this process, made on first use.
inline const TempFolder& InputFolder()
{
    static const TempFolder folder;
    return folder;
}

// The shipped boundary data, loaded once.
inline const ConstellationTables& ShippedTables()
{
    static const ConstellationTables tables = [] {
        ConstellationTables loaded;
        Require(LoadConstellationFile(ORVEXAL_SHARE_DIR "/Constell.dat", loaded), "shipped boundaries load");
        return loaded;
    }();
    return tables;
}

}  // namespace orvexal::fuzz
