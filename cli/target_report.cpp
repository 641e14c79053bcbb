#include "cli/target_report.h"

#include <algorithm>
#include <cstdio>

#include "cli/json_report.h"
#include "cli/json_text.h"
#include "cli/night_json.h"
#include "cli/night_report.h"
#include "cli/target_table.h"
#include "cli/text_cells.h"
#include "data/target_list.h"
#include "data/whole_file.h"

namespace orvexal {
namespace {

constexpr int kExitBadLines = 1;
constexpr int kExitNoList = 2;
constexpr int kDegreeDecimals = 2;
constexpr int kHourDecimals = 4;

struct PlannedList {
    NightInputs inputs;
    TargetLimits limits;
    TargetListRead list;
    NightPlan plan;
};

// The altitude limit typed, or that of the air-mass limit by the pass's
// air-mass rule, or 30 degrees; the Moon limit, or none.
TargetLimits LimitsOf(const CommandLine& line)
{
    TargetLimits limits;
    if (line.minAltitudeDeg) {
        limits.altitudeDeg = *line.minAltitudeDeg;
    } else if (line.maxAirMass) {
        limits.altitudeDeg = AltitudeOfAirMass(*line.maxAirMass);
    }
    limits.moonDistanceDeg = line.minMoonDistanceDeg.value_or(0);
    return limits;
}

std::vector<CatalogPlace> PlacesOf(const std::vector<TargetRecord>& records)
{
    std::vector<CatalogPlace> places;
    places.reserve(records.size());
    for (const TargetRecord& record : records) {
        places.push_back(CatalogPlaceOf(record.raHours, record.decDeg, record.epochYears));
    }
    return places;
}

std::string BadLineMessages(const std::string& file, const std::vector<BadLine>& badLines)
{
    std::string messages;
    for (const BadLine& bad : badLines) {
        messages += "orvexal-calc: " + file + ":" + std::to_string(bad.lineNumber) + ": " + bad.reason + '\n';
    }
    return messages;
}

std::string EveningText(const CivilDate& evening)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", evening.year, evening.month, evening.day);
    return text;
}

std::string LimitsText(const TargetLimits& limits)
{
    char text[96];
    std::snprintf(text, sizeof text, "altitude %g deg or more, Moon %g deg or more away%s", limits.altitudeDeg,
                  limits.moonDistanceDeg, limits.moonDistanceDeg > 0 ? "" : " (off)");
    return text;
}

std::size_t ObservableCount(const NightPlan& plan)
{
    return static_cast<std::size_t>(std::ranges::count_if(plan.targets, &TargetPlan::Observable));
}

std::string Text(const PlannedList& planned, const std::vector<TargetRow>& rows)
{
    const NightInputs& inputs = planned.inputs;
    const std::string count = std::to_string(planned.list.records.size()) + " planned, "
                              + std::to_string(ObservableCount(planned.plan)) + " observable";
    return SummaryLine("site", Trimmed(inputs.labels.site))
           + SummaryLine("night of", EveningText(inputs.evening) + ", noon to noon, local time")
           + SummaryLine("limits", LimitsText(planned.limits)) + SunLines(inputs.twilight, planned.plan.sun)
           + MoonLines(planned.plan.moon) + LstAtMidnightLine(planned.plan.siderealAtMidnight)
           + SummaryLine("targets", count) + '\n' + TargetTableText(rows);
}

std::string Member(std::string_view key, const std::string& value)
{
    return ",\n    " + Quoted(key) + ": " + value;
}

std::string BadLinesJson(const std::vector<BadLine>& badLines)
{
    std::string text;
    for (const BadLine& bad : badLines) {
        text += (text.empty() ? "\n    " : ",\n    ") + std::string("{\"line\": ") + std::to_string(bad.lineNumber)
                + ", \"reason\": " + Quoted(bad.reason) + "}";
    }
    return "[" + text + (badLines.empty() ? "]" : "\n  ]");
}

std::string Json(const PlannedList& planned, const std::vector<TargetRow>& rows)
{
    const NightInputs& inputs = planned.inputs;
    const std::string night =
        "{\n    \"site\": " + Quoted(inputs.labels.site) + Member("evening", Quoted(EveningText(inputs.evening)))
        + Member("twilight_deg", JsonNumber(inputs.twilight, kDegreeDecimals))
        + Member("min_altitude_deg", JsonNumber(planned.limits.altitudeDeg, kDegreeDecimals))
        + Member("min_moon_distance_deg", JsonNumber(planned.limits.moonDistanceDeg, kDegreeDecimals))
        + SunAndMoonMembers(planned.plan.sun, planned.plan.moon)
        + Member("lst_at_midnight_h", JsonNumber(planned.plan.siderealAtMidnight, kHourDecimals)) + "\n  }";
    return "{\n  " + StatusMembers(std::nullopt) + ",\n  \"night\": " + night + ",\n  \"targets\": "
           + TargetTableJson(rows, 4) + ",\n  \"bad_lines\": " + BadLinesJson(planned.list.badLines) + "\n}\n";
}

}  // namespace

TargetReport PlanTargetList(const CommandLine& line, const Outcome& outcome)
{
    const std::string& file = *line.targetList;
    const FileText read = ReadWholeFile(file, kMaxTargetListBytes);
    if (!read.failure.empty()) {
        return {"", "orvexal-calc: the target list '" + file + "' could not be read: " + read.failure + '\n',
                kExitNoList};
    }
    PlannedList planned{NightInputsOf(outcome.observed, LabelsOf(FieldsAfter(outcome))), LimitsOf(line),
                        ReadTargetList(read.text), {}};
    if (!planned.list.refusal.empty()) {
        return {"", "orvexal-calc: the target list '" + file + "' was not loaded: " + planned.list.refusal + '\n',
                kExitNoList};
    }
    if (!LatitudeOnEarth(planned.inputs.site)) {
        return {"", "orvexal-calc: the site's latitude lies beyond 90 degrees: there is no night to plan\n",
                kExitNoList};
    }
    const std::vector<CatalogPlace> places = PlacesOf(planned.list.records);
    planned.plan = PlanTargets(PlanNightOf(planned.inputs), places, planned.limits);
    const std::vector<TargetRow> rows =
        SortedRows(planned.list.records, planned.plan, line.order.value_or(TargetOrder::Best));
    std::string output = line.json ? Json(planned, rows) : line.csv ? TargetTableCsv(rows) : Text(planned, rows);
    return {std::move(output), BadLineMessages(file, planned.list.badLines),
            planned.list.badLines.empty() ? 0 : kExitBadLines};
}

}  // namespace orvexal
