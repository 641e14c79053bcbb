// Helpers shared by the fuzz targets.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace orvexal::fuzz {

// A property that does not hold ends the process the way a sanitizer report
// does, so that libFuzzer keeps the input as a crash file.
inline void Require(bool holds, const char* property, std::string_view detail = {})
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s [%.*s]\n", property, static_cast<int>(detail.size()), detail.data());
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

}  // namespace orvexal::fuzz
