// The Targets window's own settings file, targets.ini in the working
// folder: the last target list opened and the limits that make a target
// observable. Plain text, one "key=value" a line:
//     list=/home/observer/tonight.txt
//     altitude=30
//     moon=15
// The altitude is the least apparent altitude in degrees, the Moon's the
// least distance from the Moon in degrees (0: the Moon is not asked).
//
// Read tolerantly: unknown keys, blank lines, lines without "=" and values
// that are not numbers in their range are passed over, each value then
// keeping its default; a missing or unreadable file gives the defaults.
#pragma once

#include <string>
#include <string_view>

namespace orvexal {

inline constexpr std::string_view kTargetsSettingsFile = "targets.ini";

// The ranges the limits are taken in, degrees.
inline constexpr double kLeastAltitudeLimitDeg = 0;
inline constexpr double kLargestAltitudeLimitDeg = 90;
inline constexpr double kLargestMoonLimitDeg = 180;

struct TargetsSettings {
    std::string listPath;          // empty: none opened yet
    double altitudeDeg = 30;       // air mass 2
    double moonDistanceDeg = 0;

    friend bool operator==(const TargetsSettings&, const TargetsSettings&) = default;
};

// The settings a text holds.
TargetsSettings ReadTargetsSettings(std::string_view text);

// The text of the settings, as the reader takes it back.
std::string TargetsSettingsText(const TargetsSettings& settings);

// The settings of a file; the defaults when it is missing or cannot be read.
TargetsSettings LoadTargetsSettings(const std::string& path);

// Writes the file whole; false when it cannot be written.
bool SaveTargetsSettings(const std::string& path, const TargetsSettings& settings);

}  // namespace orvexal
