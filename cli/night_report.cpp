#include "cli/night_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

#include "cli/night_columns.h"

namespace orvexal {
namespace {

constexpr long kSecondsPerMinute = 60;
constexpr long kMinutesPerHour = 60;
constexpr long kSecondsPerHour = 3600;
constexpr long kSecondsPerDay = 86400;

// The summary's values start after the longest caption and two blanks.
constexpr std::size_t kCaptionWidth = 13;
constexpr const char* kColumnGap = "  ";

// The first column, the local clock: "HH:MM" under "local".
constexpr std::string_view kClockHeading = "local";
constexpr int kClockWidth = 5;

std::string Fixed(double value, int width, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

std::string RightAligned(std::string_view text, int width)
{
    return std::string(static_cast<std::size_t>(std::max(width - static_cast<int>(text.size()), 0)), ' ')
           .append(text);
}

// A field's text without the blank of its sign position.
std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// 22.5 and 46.5 both as "22:30", or "22:30:00" to the second.
std::string ClockText(double localHours, bool toTheSecond = false)
{
    const long rounding = toTheSecond ? 1 : kSecondsPerMinute;  // seconds
    const long perDay = kSecondsPerDay / rounding;
    const long units = std::lround(localHours * kSecondsPerHour / rounding);
    const long seconds = (units % perDay + perDay) % perDay * rounding;
    char text[16];
    std::snprintf(text, sizeof text, "%02ld:%02ld", seconds / kSecondsPerHour, seconds / kSecondsPerMinute % kMinutesPerHour);
    std::string clock = text;
    if (toTheSecond) {
        std::snprintf(text, sizeof text, ":%02ld", seconds % kSecondsPerMinute);
        clock += text;
    }
    return clock;
}

// "01:23 (25.3912 h)"
std::string LocalTime(double localHours)
{
    return ClockText(localHours) + " (" + Fixed(localHours, 0, 4) + " h)";
}

std::string Degrees(double degrees)
{
    return Fixed(degrees, 0, 2) + " deg";
}

std::string SummaryLine(std::string caption, const std::string& text)
{
    caption.resize(kCaptionWidth, ' ');
    return caption + text + '\n';
}

// Where the Sun does not cross the twilight altitude that day the samples
// run noon to noon.
std::string TwilightLines(const NightInputs& inputs, const NightTrack& track)
{
    const auto at = [](const std::optional<double>& localHours) {
        return localHours ? LocalTime(*localHours) : std::string("none");
    };
    char sun[64];
    std::snprintf(sun, sizeof sun, ", the Sun at %g deg%s", inputs.twilight,
                  track.almanac.sun.twilight.dusk && track.almanac.sun.twilight.dawn ? "" : "; the samples run noon to noon");
    return SummaryLine("dusk", at(track.almanac.sun.twilight.dusk) + sun) + SummaryLine("dawn", at(track.almanac.sun.twilight.dawn));
}

std::string TargetLines(const NightTrack& track)
{
    const NightSample& highest = track.highest;
    const std::string meridian = track.meridianCrossing
                                     ? LocalTime(track.meridianCrossing->localHours) + ", altitude "
                                           + Degrees(track.meridianCrossing->altitude)
                                     : "none in the night";
    return SummaryLine("meridian", meridian)
           + SummaryLine("highest", Degrees(highest.altitude) + " at " + LocalTime(highest.localHours));
}

std::string Summary(const NightInputs& inputs, const NightTrack& track, double stepMinutes)
{
    const NightLabels& labels = inputs.labels;
    char moon[48];
    std::snprintf(moon, sizeof moon, "%.0f %% lit (%.3f) at the middle of the night",
                  track.almanac.moon.illuminatedFraction * 100, track.almanac.moon.illuminatedFraction);
    char samples[96];
    std::snprintf(samples, sizeof samples, "%zu, every %g min from %s to %s", track.samples.size(), stepMinutes,
                  ClockText(track.samples.front().localHours).c_str(), ClockText(track.samples.back().localHours).c_str());
    return SummaryLine("site", Trimmed(labels.site))
           + SummaryLine("calculation", Trimmed(labels.date) + " " + ClockText(track.observation.localHours, true) + " local")
           + SummaryLine("target", "RA " + Trimmed(labels.rightAscension) + "  Dec " + Trimmed(labels.declination)
                                       + "  (epoch " + Trimmed(labels.epoch) + ")")
           + TwilightLines(inputs, track) + SummaryLine("moon", moon) + TargetLines(track)
           + SummaryLine("samples", samples);
}

// The clock first, then the columns.
std::string HeaderLine()
{
    std::string line = RightAligned(kClockHeading, kClockWidth);
    for (const NightColumn& column : kNightColumns) {
        line += kColumnGap + RightAligned(column.heading, column.width);
    }
    return line + '\n';
}

std::string SampleLine(const NightSample& sample)
{
    std::string line = ClockText(sample.localHours);
    for (const NightColumn& column : kNightColumns) {
        line += kColumnGap + Fixed(sample.*column.value, column.width, column.decimals);
    }
    return line + '\n';
}

}  // namespace

std::string NightText(const NightInputs& inputs, const NightTrack& track, double stepMinutes)
{
    std::string text = Summary(inputs, track, stepMinutes) + '\n' + HeaderLine();
    for (const NightSample& sample : track.samples) {
        text += SampleLine(sample);
    }
    return text;
}

}  // namespace orvexal
