#include "data/targets_settings.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "data/target_list.h"
#include "data/whole_file.h"

namespace orvexal {
namespace {

constexpr std::string_view kListKey = "list";
constexpr std::string_view kAltitudeKey = "altitude";
constexpr std::string_view kMoonKey = "moon";

// A settings file is a few lines: anything larger is not one.
constexpr std::uintmax_t kMaxSettingsBytes = 64 * 1024;

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The whole text as a finite number within low..high, if it is one.
std::optional<double> NumberIn(std::string_view text, double low, double high)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || value < low
        || value > high) {
        return std::nullopt;
    }
    return value;
}

void ReadLine(std::string_view line, TargetsSettings& settings)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return;
    }
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (key == kListKey) {
        settings.listPath = std::string(value);
    } else if (key == kAltitudeKey) {
        settings.altitudeDeg =
            NumberIn(value, kLeastAltitudeLimitDeg, kLargestAltitudeLimitDeg).value_or(settings.altitudeDeg);
    } else if (key == kMoonKey) {
        settings.moonDistanceDeg = NumberIn(value, 0, kLargestMoonLimitDeg).value_or(settings.moonDistanceDeg);
    }
}

}  // namespace

TargetsSettings ReadTargetsSettings(std::string_view text)
{
    TargetsSettings settings;
    while (!text.empty()) {
        const auto end = text.find('\n');
        ReadLine(text.substr(0, end), settings);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return settings;
}

std::string TargetsSettingsText(const TargetsSettings& settings)
{
    std::string text;
    const auto line = [&text](std::string_view key, const std::string& value) {
        text.append(key).append("=").append(value).append("\n");
    };
    const auto number = [](double value) {
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return std::string(digits, end);
    };
    line(kListKey, settings.listPath);
    line(kAltitudeKey, number(settings.altitudeDeg));
    line(kMoonKey, number(settings.moonDistanceDeg));
    return text;
}

TargetsSettings LoadTargetsSettings(const std::string& path)
{
    const FileText file = ReadWholeFile(path, kMaxSettingsBytes);
    return file.failure.empty() ? ReadTargetsSettings(file.text) : TargetsSettings{};
}

bool SaveTargetsSettings(const std::string& path, const TargetsSettings& settings)
{
    return ReplaceFileText(path, TargetsSettingsText(settings));
}

}  // namespace orvexal
