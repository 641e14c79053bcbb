#include "cli/text_cells.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvexal {
namespace {

constexpr long kSecondsPerClockMinute = 60;
constexpr long kMinutesPerClockHour = 60;
constexpr long kSecondsPerClockHour = 3600;
constexpr long kSecondsPerClockDay = 86400;

// The summary's values start after the longest caption and two blanks.
constexpr std::size_t kCaptionWidth = 19;

std::string Padding(std::string_view text, int width)
{
    return std::string(static_cast<std::size_t>(std::max(width - static_cast<int>(text.size()), 0)), ' ');
}

}  // namespace

std::string Fixed(double value, int width, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

std::string RightAligned(std::string_view text, int width)
{
    return Padding(text, width).append(text);
}

std::string LeftAligned(std::string_view text, int width)
{
    return std::string(text).append(Padding(text, width));
}

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ClockText(double localHours, bool toTheSecond)
{
    const long rounding = toTheSecond ? 1 : kSecondsPerClockMinute;  // seconds
    const long perDay = kSecondsPerClockDay / rounding;
    const long units = std::lround(localHours * kSecondsPerClockHour / rounding);
    const long seconds = (units % perDay + perDay) % perDay * rounding;
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld", seconds / kSecondsPerClockHour,
                  seconds / kSecondsPerClockMinute % kMinutesPerClockHour);
    std::string clock = text;
    if (toTheSecond) {
        std::snprintf(text, sizeof text, ":%02ld", seconds % kSecondsPerClockMinute);
        clock += text;
    }
    return clock;
}

std::string SummaryLine(std::string caption, const std::string& text)
{
    caption.resize(std::max(kCaptionWidth, caption.size() + 2), ' ');
    return caption + text + '\n';
}

}  // namespace orvexal
