#include "cli/night_report.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "cli/night_columns.h"
#include "cli/night_sun_levels.h"
#include "cli/text_cells.h"

namespace orvexal {
namespace {

// The first column, the local clock: "HH:MM" under "local".
constexpr std::string_view kClockHeading = "local";
constexpr int kClockWidth = 5;

// "01:23 (25.3912 h)"
std::string LocalTime(double localHours)
{
    return ClockText(localHours) + " (" + Fixed(localHours, 0, 4) + " h)";
}

std::string Degrees(double degrees)
{
    return Fixed(degrees, 0, 2) + " deg";
}

std::string At(const std::optional<double>& localHours)
{
    return localHours ? LocalTime(*localHours) : std::string("none");
}

std::string Hours(double hours)
{
    return Fixed(hours, 0, 2) + " h";
}

}  // namespace

std::string SunLines(double twilightDeg, const SunAlmanac& sun)
{
    char typed[32];
    std::snprintf(typed, sizeof typed, " at %g deg", twilightDeg);
    std::string evening;
    std::string morning;
    for (const SunLevel& level : kSunLevels) {
        evening += SummaryLine(std::string(level.duskCaption), At((sun.*level.passage).dusk));
        morning.insert(0, SummaryLine(std::string(level.dawnCaption), At((sun.*level.passage).dawn)));
    }
    return evening + SummaryLine("dusk" + std::string(typed), At(sun.twilight.dusk))
           + SummaryLine("dawn" + std::string(typed), At(sun.twilight.dawn)) + morning;
}

std::string MoonLines(const MoonAlmanac& moon)
{
    const std::string riseAndSet =
        moon.rise || moon.set
            ? SummaryLine("moonrise", At(moon.rise)) + SummaryLine("moonset", At(moon.set))
            : SummaryLine("moonrise, moonset", moon.aboveAtMidnight ? "up all night" : "below the horizon all night");
    char phase[48];
    std::snprintf(phase, sizeof phase, "%.1f %% lit, %s", moon.illuminatedFraction * 100,
                  moon.waxing ? "waxing" : "waning");
    char dark[64];
    std::snprintf(dark, sizeof dark, ", the Sun below %g deg and the Moon down", kAstronomicalTwilightAltitude);
    return riseAndSet + SummaryLine("moon at midnight", phase)
           + SummaryLine("dark without moon", Hours(moon.darkHoursWithoutMoon) + dark);
}

std::string LstAtMidnightLine(double siderealAtMidnight)
{
    return SummaryLine("LST at midnight",
                       Fixed(siderealAtMidnight, 0, 4) + " h (" + ClockText(siderealAtMidnight) + ")");
}

namespace {

// Rise, meridian crossing and set, or whether the target never rises or
// never sets and its meridian crossing.
std::string PathLines(const TargetAlmanac& target)
{
    const std::string meridian = SummaryLine(
        "meridian", target.transit ? LocalTime(*target.transit) + ", altitude " + Degrees(target.transitAltitude)
                                   : "none in the night");
    switch (target.path) {
    case TargetPath::NeverRises:
        return SummaryLine("target rise, set", "never rises") + meridian;
    case TargetPath::NeverSets:
        return SummaryLine("target rise, set", "never sets") + meridian;
    case TargetPath::RisesAndSets:
        break;
    }
    return SummaryLine("target rise", At(target.rise)) + meridian + SummaryLine("target set", At(target.set));
}

// The highest point and the Moon's least distance lie in the dark time (the
// Sun below the twilight typed), or anywhere in the night when it has none.
std::string TargetLines(const NightInputs& inputs, const TargetAlmanac& target)
{
    char high[32];
    std::snprintf(high, sizeof high, "above %g deg", kHighAltitude);
    char dark[48];
    std::snprintf(dark, sizeof dark, " in the dark (the Sun below %g deg)", inputs.twilight);
    return PathLines(target)
           + SummaryLine("highest", Degrees(target.highest.altitude) + " at " + LocalTime(target.highestAt))
           + SummaryLine(high, Hours(TotalHours(target.windows)) + dark)
           + SummaryLine("moon nearest", Degrees(target.moonLeastDistance) + " at " + LocalTime(target.moonLeastAt));
}

std::string SamplesLine(const NightTrack& track, double stepMinutes)
{
    char samples[96];
    std::snprintf(samples, sizeof samples, "%zu, every %g min from %s to %s", track.samples.size(), stepMinutes,
                  ClockText(track.samples.front().localHours).c_str(), ClockText(track.samples.back().localHours).c_str());
    return SummaryLine("samples", samples);
}

std::string Summary(const NightInputs& inputs, const NightTrack& track, double stepMinutes)
{
    const NightLabels& labels = inputs.labels;
    const Almanac& almanac = track.almanac;
    return SummaryLine("site", Trimmed(labels.site))
           + SummaryLine("calculation", Trimmed(labels.date) + " " + ClockText(track.observation.localHours, true) + " local")
           + SummaryLine("target", "RA " + Trimmed(labels.rightAscension) + "  Dec " + Trimmed(labels.declination)
                                       + "  (epoch " + Trimmed(labels.epoch) + ")")
           + SunLines(inputs.twilight, almanac.sun) + MoonLines(almanac.moon) + TargetLines(inputs, almanac.target)
           + LstAtMidnightLine(almanac.siderealAtMidnight) + SamplesLine(track, stepMinutes);
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
