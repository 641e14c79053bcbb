#include "cli/night_json.h"

#include "cli/json_report.h"
#include "cli/json_text.h"
#include "cli/night_columns.h"

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

std::string Summary(const NightInputs& inputs, const NightTrack& track, double stepMinutes)
{
    const NightLabels& labels = inputs.labels;
    return "{\n    \"site\": " + Quoted(labels.site)
           + Member("date", Quoted(labels.date))
           + Member("target_ra", Quoted(labels.rightAscension))
           + Member("target_dec", Quoted(labels.declination))
           + Member("target_epoch", Quoted(labels.epoch))
           + Member("twilight_deg", JsonNumber(inputs.twilight, kDegreeDecimals))
           + Member("dusk_local_h", JsonNumber(track.almanac.sun.twilight.dusk, kHourDecimals))
           + Member("dawn_local_h", JsonNumber(track.almanac.sun.twilight.dawn, kHourDecimals))
           + Member("moon_illuminated_fraction", JsonNumber(track.almanac.moon.illuminatedFraction, kFractionDecimals))
           + Member("meridian_crossing", track.meridianCrossing ? SampleObject(*track.meridianCrossing) : "null")
           + Member("highest", SampleObject(track.highest))
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
