#include "cli/target_table.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <tuple>

#include "cli/json_text.h"
#include "cli/night_json.h"
#include "cli/text_cells.h"
#include "numbers/units.h"

namespace orvexal {
namespace {

enum class Cell { Clock, Number };

// A column of numbers: its heading with the unit, its JSON key, the value
// (nothing where there is none) and how the text shows it. A clock time is
// "HH:MM" in the text and the night's hours in JSON.
struct TargetColumn {
    std::string_view heading;
    std::string_view key;
    std::optional<double> (*value)(const TargetRow&);
    Cell cell;
    int decimals;  // of a number, and of a time in JSON
};

constexpr int kClockWidth = 5;           // "HH:MM"
constexpr int kNumberWidth = 7;          // "-89.999", "180.0"
constexpr int kHourDecimals = 4;         // 0.4 s
constexpr double kHalfDayHours = 12;

const TargetAlmanac& NightOf(const TargetRow& row)
{
    return row.plan->night;
}

// The hour angle, degrees west not reduced, as hours from -12 to 12.
double HourAngleHours(double hourAngleDeg)
{
    const double hours = std::remainder(hourAngleDeg / kDegreesPerHour, kHoursPerDay);
    return hours == -kHalfDayHours ? kHalfDayHours : hours;
}

std::optional<double> AirMassAbove(const HorizonPlace& place)
{
    return place.altitude >= 0 ? std::optional(place.airMass) : std::nullopt;
}

std::optional<double> WindowStart(const TargetRow& row)
{
    return row.plan->longest ? std::optional(row.plan->longest->from) : std::nullopt;
}

std::optional<double> WindowEnd(const TargetRow& row)
{
    return row.plan->longest ? std::optional(row.plan->longest->to) : std::nullopt;
}

constexpr std::array<TargetColumn, 15> kTargetColumns{{
    {"RA(h)", "ra_h", [](const TargetRow& r) -> std::optional<double> {
         return r.plan->placeOfDate.rightAscension / kRadiansPerDegree / kDegreesPerHour; }, Cell::Number, 4},
    {"Dec(deg)", "dec_deg", [](const TargetRow& r) -> std::optional<double> {
         return r.plan->placeOfDate.declination / kRadiansPerDegree; }, Cell::Number, 3},
    {"rise", "rise_local_h", [](const TargetRow& r) { return NightOf(r).rise; }, Cell::Clock, kHourDecimals},
    {"transit", "transit_local_h", [](const TargetRow& r) { return NightOf(r).transit; }, Cell::Clock, kHourDecimals},
    {"tr_alt(deg)", "transit_alt_deg", [](const TargetRow& r) {
         return NightOf(r).transit ? std::optional(NightOf(r).transitAltitude) : std::nullopt; }, Cell::Number, 2},
    {"set", "set_local_h", [](const TargetRow& r) { return NightOf(r).set; }, Cell::Clock, kHourDecimals},
    {"start", "window_start_local_h", WindowStart, Cell::Clock, kHourDecimals},
    {"end", "window_end_local_h", WindowEnd, Cell::Clock, kHourDecimals},
    {"hours(h)", "hours_observable", [](const TargetRow& r) -> std::optional<double> {
         return TotalHours(NightOf(r).windows); }, Cell::Number, 2},
    {"best", "best_local_h", [](const TargetRow& r) -> std::optional<double> { return NightOf(r).highestAt; },
     Cell::Clock, kHourDecimals},
    {"best_alt(deg)", "best_alt_deg", [](const TargetRow& r) -> std::optional<double> {
         return NightOf(r).highest.altitude; }, Cell::Number, 2},
    {"airmass", "best_airmass", [](const TargetRow& r) { return AirMassAbove(NightOf(r).highest); }, Cell::Number, 3},
    {"HA(h)", "best_ha_h", [](const TargetRow& r) -> std::optional<double> {
         return HourAngleHours(NightOf(r).highest.hourAngle); }, Cell::Number, 2},
    {"moon(deg)", "best_moon_distance_deg", [](const TargetRow& r) -> std::optional<double> {
         return r.plan->bestMoonDistance; }, Cell::Number, 1},
    {"moon_min(deg)", "moon_least_distance_deg", [](const TargetRow& r) -> std::optional<double> {
         return NightOf(r).moonLeastDistance; }, Cell::Number, 1},
}};

constexpr std::string_view kNameHeading = "name";
constexpr std::string_view kRemarkHeading = "remark";
constexpr std::string_view kNone = "-";

std::string_view Remark(const TargetRow& row)
{
    switch (NightOf(row).path) {
    case TargetPath::NeverRises:
        return "never rises";
    case TargetPath::NeverSets:
        return "circumpolar";
    case TargetPath::RisesAndSets:
        break;
    }
    return "";
}

int WidthOf(const TargetColumn& column)
{
    return std::max(static_cast<int>(column.heading.size()), column.cell == Cell::Clock ? kClockWidth : kNumberWidth);
}

// A cell of the text and CSV tables, without padding.
std::string CellText(const TargetColumn& column, const TargetRow& row)
{
    const std::optional<double> value = column.value(row);
    if (!value) {
        return std::string(kNone);
    }
    if (column.cell == Cell::Clock) {
        return ClockText(*value);
    }
    std::string text = Fixed(*value, 0, column.decimals);
    if (text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, text.find_first_not_of('-'));  // "-0.00", a value rounded to 0
    }
    return text;
}

// A CSV field (RFC 4180): in double quotes, inner ones doubled, when it
// holds a comma, a quote or a line end.
std::string CsvField(std::string_view text)
{
    if (text.find_first_of(",\"\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + '"';
}

// The key of a row in each order, the smaller first.
auto SortKey(const TargetRow& row, TargetOrder order)
{
    const TargetAlmanac& night = NightOf(row);
    const double hours = TotalHours(night.windows);
    switch (order) {
    case TargetOrder::Name:
        return std::tuple(row.record->name, 0.0, 0.0);
    case TargetOrder::RightAscension:
        return std::tuple(std::string(), row.plan->placeOfDate.rightAscension, 0.0);
    case TargetOrder::Hours:
        return std::tuple(std::string(), -hours, night.highestAt);
    case TargetOrder::Best:
        break;
    }
    return std::tuple(std::string(), row.plan->Observable() ? 0.0 : 1.0, night.highestAt);
}

}  // namespace

std::vector<TargetRow> SortedRows(std::span<const TargetRecord> records, const NightPlan& plan, TargetOrder order)
{
    std::vector<TargetRow> rows;
    rows.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        rows.push_back({&records[i], &plan.targets.at(i)});
    }
    std::ranges::stable_sort(rows, {}, [order](const TargetRow& row) { return SortKey(row, order); });
    return rows;
}

std::string TargetTableText(std::span<const TargetRow> rows)
{
    int nameWidth = static_cast<int>(kNameHeading.size());
    for (const TargetRow& row : rows) {
        nameWidth = std::max(nameWidth, static_cast<int>(row.record->name.size()));
    }
    std::string text = LeftAligned(kNameHeading, nameWidth);
    for (const TargetColumn& column : kTargetColumns) {
        text += kColumnGap + RightAligned(column.heading, WidthOf(column));
    }
    text += kColumnGap + std::string(kRemarkHeading) + '\n';
    for (const TargetRow& row : rows) {
        std::string line = LeftAligned(row.record->name, nameWidth);
        for (const TargetColumn& column : kTargetColumns) {
            line += kColumnGap + RightAligned(CellText(column, row), WidthOf(column));
        }
        line += kColumnGap + std::string(Remark(row));
        text += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    }
    return text;
}

std::string TargetTableCsv(std::span<const TargetRow> rows)
{
    std::string text(kNameHeading);
    for (const TargetColumn& column : kTargetColumns) {
        text += ',' + std::string(column.heading);
    }
    text += ',' + std::string(kRemarkHeading) + "\n";
    for (const TargetRow& row : rows) {
        text += CsvField(row.record->name);
        for (const TargetColumn& column : kTargetColumns) {
            text += ',' + CellText(column, row);
        }
        text += ',' + CsvField(Remark(row)) + "\n";
    }
    return text;
}

std::string TargetTableJson(std::span<const TargetRow> rows, int indent)
{
    const std::string margin(static_cast<std::size_t>(indent), ' ');
    std::string objects;
    for (const TargetRow& row : rows) {
        objects += (objects.empty() ? "\n" : ",\n") + margin + "{\"name\": " + Quoted(row.record->name)
                   + ", \"line\": " + std::to_string(row.record->lineNumber);
        for (const TargetColumn& column : kTargetColumns) {
            objects += ", " + Quoted(column.key) + ": " + JsonNumber(column.value(row), column.decimals);
        }
        objects += ", \"path\": " + Quoted(TargetPathKey(NightOf(row).path)) + ", \"observable\": "
                   + (row.plan->Observable() ? "true" : "false") + "}";
    }
    const std::string closing(static_cast<std::size_t>(std::max(indent - 2, 0)), ' ');
    return "[" + objects + (rows.empty() ? "]" : "\n" + closing + "]");
}

}  // namespace orvexal
