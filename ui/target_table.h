// The table of a night's targets: the columns, what each cell shows, the
// value each sorts by, which rows are greyed, which selected rows are
// charted, and the CSV text a table is exported as. The texts are those an
// observer reads: clock times of the site's zone (20:14), durations in
// decimal hours, angles in degrees with their marks; "never rises",
// "circumpolar" or "—" where a target has no such time in the night.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

#include "data/target_list.h"
#include "night/inputs.h"
#include "night/plan.h"

namespace orvexal {

enum class TargetColumn {
    Name,
    RightAscension,  // of the date
    Declination,
    Rise,
    Transit,
    Set,
    WindowStart,     // the longest observable window
    WindowEnd,
    HoursObservable, // all the windows together
    BestTime,
    BestAltitude,
    BestAirMass,
    MoonDistance,    // at the best time
};
inline constexpr int kTargetColumns = static_cast<int>(TargetColumn::MoonDistance) + 1;

// A row: a target of the list and its plan for the night.
struct TargetRow {
    QString name;
    TargetPlan plan;
};

// The rows of a list's targets, in its order, and the plan's places of them.
std::vector<CatalogPlace> CatalogPlacesOf(const std::vector<TargetRecord>& records);
std::vector<TargetRow> TargetRowsOf(const std::vector<TargetRecord>& records, const NightPlan& plan);

QString ColumnTitle(TargetColumn column);

QString CellText(const TargetRow& row, TargetColumn column);

// What a column sorts by, as a number where the cell shows one: times as
// the night's hours (an evening before the morning after it), angles in
// degrees, hours; the name as text. A time the target does not have in the
// night sorts after every time.
QVariant SortKey(const TargetRow& row, TargetColumn column);

// A target that cannot be observed in the night (no window within the
// limits) is greyed, and left out by "Observable only".
bool Greyed(const TargetRow& row);

// The rows charted of those selected (in the table's order): the first
// kMostChartedTargets, and how many are left out.
struct ChartChoice {
    std::vector<int> rows;
    int leftOut = 0;
};
ChartChoice ChooseCharted(const std::vector<int>& selectedRows, int most);

// The line under the table about the chart: how to chart rows, or how many
// selected are not drawn.
QString ChartNoteText(int most, int leftOut);

// Lines of fields as CSV: the fields separated by commas, a field that
// holds a comma, a double quote or a line end in double quotes with its
// quotes doubled; each line ended by CR LF.
QString CsvText(const QList<QStringList>& lines);

// What the Targets window says above its table: which list, how many of
// its targets can be observed; or that it waits for a list or for a
// calculation, or that the site has no night.
QString TargetsStatus(const QString& listName, const std::vector<TargetRow>& rows,
                      const std::optional<NightInputs>& night);

// The box of the lines of a list that were not read: a heading naming the
// list and how many, then "line 4: <reason>" for each.
QString BadLinesText(const QString& listName, const std::vector<BadLine>& lines);

}  // namespace orvexal
