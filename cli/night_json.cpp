#include "cli/night_json.h"

#include "cli/json_report.h"
#include "cli/json_text.h"
#include "cli/night_columns.h"
#include "cli/night_sun_levels.h"

namespace orvexal {
namespace {

// Hours to 0.4 s, degrees and minutes as the columns give them; the Moon's
// lit fraction to 0.0001.
constexpr int kHourDecimals = 4;
constexpr int kDegreeDecimals = 2;
constexpr int kFractionDecimals = 4;

std::string SampleObject(const NightSample& sample)
{
    std::string object;
    for (const NightColumn& column : kNightColumns) {
        object += object.empty() ? "{" : ", ";
        object += Quoted(column.key) + ": " + JsonNumber(sample.*column.value, column.decimals);
    }
    return object + "}";
}

std::string Member(std::string_view key, const std::string& value)
{
    return ",\n    " + Quoted(key) + ": " + value;
}

std::string Flag(bool value)
{
    return value ? "true" : "false";
}

}  // namespace

std::string TargetPathKey(TargetPath path)
{
    switch (path) {
    case TargetPath::NeverRises:
        return "never_rises";
    case TargetPath::NeverSets:
        return "never_sets";
    case TargetPath::RisesAndSets:
        break;
    }
    return "rises_and_sets";
}

namespace {

// The evening's levels downward, dusk and dawn at the twilight typed, the
// morning's levels upward, as the text summary lists them.
std::string SunMembers(const SunAlmanac& sun)
{
    std::string evening;
    std::string morning;
    for (const SunLevel& level : kSunLevels) {
        evening += Member(level.duskKey, JsonNumber((sun.*level.passage).dusk, kHourDecimals));
        morning.insert(0, Member(level.dawnKey, JsonNumber((sun.*level.passage).dawn, kHourDecimals)));
    }
    return evening + Member("dusk_local_h", JsonNumber(sun.twilight.dusk, kHourDecimals))
           + Member("dawn_local_h", JsonNumber(sun.twilight.dawn, kHourDecimals)) + morning;
}

std::string MoonMembers(const MoonAlmanac& moon)
{
    return Member("moonrise_local_h", JsonNumber(moon.rise, kHourDecimals))
           + Member("moonset_local_h", JsonNumber(moon.set, kHourDecimals))
           + Member("moon_up_at_midnight", Flag(moon.aboveAtMidnight))
           + Member("moon_illuminated_fraction", JsonNumber(moon.illuminatedFraction, kFractionDecimals))
           + Member("moon_waxing", Flag(moon.waxing))
           + Member("dark_hours_without_moon", JsonNumber(moon.darkHoursWithoutMoon, kHourDecimals));
}

}  // namespace

std::string SunAndMoonMembers(const SunAlmanac& sun, const MoonAlmanac& moon)
{
    return SunMembers(sun) + MoonMembers(moon);
}

namespace {

std::string TargetMembers(const NightTrack& track)
{
    const TargetAlmanac& target = track.almanac.target;
    return Member("target_path", Quoted(TargetPathKey(target.path)))
           + Member("target_rise_local_h", JsonNumber(target.rise, kHourDecimals))
           + Member("target_transit_local_h", JsonNumber(target.transit, kHourDecimals))
           + Member("target_transit_alt_deg",
                    JsonNumber(target.transit ? std::optional(target.transitAltitude) : std::nullopt, kDegreeDecimals))
           + Member("target_set_local_h", JsonNumber(target.set, kHourDecimals))
           + Member("meridian_crossing", track.meridianCrossing ? SampleObject(*track.meridianCrossing) : "null")
           + Member("highest", SampleObject(track.highest))
           + Member("target_hours_above_30_deg", JsonNumber(TotalHours(target.windows), kHourDecimals))
           + Member("moon_least_distance_deg", JsonNumber(target.moonLeastDistance, kDegreeDecimals))
           + Member("moon_least_distance_local_h", JsonNumber(target.moonLeastAt, kHourDecimals));
}

std::string Summary(const NightInputs& inputs, const NightTrack& track, double stepMinutes)
{
    const NightLabels& labels = inputs.labels;
    return "{\n    \"site\": " + Quoted(labels.site)
           + Member("date", Quoted(labels.date))
           + Member("target_ra", Quoted(labels.rightAscension))
           + Member("target_dec", Quoted(labels.declination))
           + Member("target_epoch", Quoted(labels.epoch))
           + Member("twilight_deg", JsonNumber(inputs.twilight, kDegreeDecimals))
           + SunAndMoonMembers(track.almanac.sun, track.almanac.moon) + TargetMembers(track)
           + Member("lst_at_midnight_h", JsonNumber(track.almanac.siderealAtMidnight, kHourDecimals))
           + Member("step_min", JsonNumber(stepMinutes, kHourDecimals))
           + Member("sample_count", std::to_string(track.samples.size())) + "\n  }";
}

std::string Samples(const NightTrack& track)
{
    std::string samples;
    for (const NightSample& sample : track.samples) {
        samples += samples.empty() ? "[\n    " : ",\n    ";
        samples += SampleObject(sample);
    }
    return samples + "\n  ]";
}

}  // namespace

std::string NightJson(const NightInputs& inputs, const NightTrack& track, double stepMinutes)
{
    return "{\n  " + StatusMembers(std::nullopt) + ",\n  \"summary\": " + Summary(inputs, track, stepMinutes)
           + ",\n  \"samples\": " + Samples(track) + "\n}\n";
}

std::string NightJsonOfFault(const PassFault& fault)
{
    return "{\n  " + StatusMembers(fault) + ",\n  \"summary\": null,\n  \"samples\": null\n}\n";
}

}  // namespace orvexal
