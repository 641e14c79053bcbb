#include "ui/target_table.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

#include "numbers/units.h"
#include "ui/night_texts.h"

namespace orvexal {
namespace {

constexpr double kNoTime = std::numeric_limits<double>::infinity();

const QChar kDash(0x2014);

QString Tr(const char* text)
{
    return QCoreApplication::translate("TargetTable", text);
}

const char* const kTitles[kTargetColumns] = {
    QT_TRANSLATE_NOOP("TargetTable", "Name"),      QT_TRANSLATE_NOOP("TargetTable", "RA (date)"),
    QT_TRANSLATE_NOOP("TargetTable", "Dec (date)"), QT_TRANSLATE_NOOP("TargetTable", "Rises"),
    QT_TRANSLATE_NOOP("TargetTable", "Transit"),   QT_TRANSLATE_NOOP("TargetTable", "Sets"),
    QT_TRANSLATE_NOOP("TargetTable", "Window from"),      QT_TRANSLATE_NOOP("TargetTable", "Window to"),
    QT_TRANSLATE_NOOP("TargetTable", "Hours"),     QT_TRANSLATE_NOOP("TargetTable", "Best time"),
    QT_TRANSLATE_NOOP("TargetTable", "Altitude"),  QT_TRANSLATE_NOOP("TargetTable", "Air mass"),
    QT_TRANSLATE_NOOP("TargetTable", "Moon dist."),
};

// Decimals of the hours observable and of the air mass.
constexpr int kHourDecimals = 2;
constexpr int kAirMassDecimals = 2;

double RaHours(const TargetPlan& plan)
{
    return plan.placeOfDate.rightAscension * kDegreesPerRadian / kDegreesPerHour;
}

double DecDegrees(const TargetPlan& plan)
{
    return plan.placeOfDate.declination * kDegreesPerRadian;
}

// The rise or set of a target: its time, or why it has none.
QString HorizonEvent(const TargetAlmanac& night, const std::optional<double>& event)
{
    switch (night.path) {
    case TargetPath::NeverRises:
        return Tr("never rises");
    case TargetPath::NeverSets:
        return Tr("circumpolar");
    case TargetPath::RisesAndSets:
        break;
    }
    return event ? ClockText(*event) : QString(kDash);
}

QString TimeOrDash(const std::optional<double>& hours)
{
    return hours ? ClockText(*hours) : QString(kDash);
}

std::optional<double> WindowEdge(const TargetPlan& plan, double Interval::*edge)
{
    return plan.longest ? std::optional((*plan.longest).*edge) : std::nullopt;
}

// The air mass where the target stands above the horizon.
std::optional<double> BestAirMass(const TargetPlan& plan)
{
    return plan.night.highest.altitude > 0 ? std::optional(plan.night.highest.airMass) : std::nullopt;
}

double OrLast(const std::optional<double>& value)
{
    return value.value_or(kNoTime);
}

}  // namespace

std::vector<CatalogPlace> CatalogPlacesOf(const std::vector<TargetRecord>& records)
{
    std::vector<CatalogPlace> places;
    places.reserve(records.size());
    for (const TargetRecord& record : records) {
        places.push_back(CatalogPlaceOf(record.raHours, record.decDeg, record.epochYears));
    }
    return places;
}

std::vector<TargetRow> TargetRowsOf(const std::vector<TargetRecord>& records, const NightPlan& plan)
{
    std::vector<TargetRow> rows;
    rows.reserve(records.size());
    for (std::size_t i = 0; i < records.size() && i < plan.targets.size(); ++i) {
        rows.push_back({QString::fromStdString(records[i].name), plan.targets[i]});
    }
    return rows;
}

QString ColumnTitle(TargetColumn column)
{
    return QCoreApplication::translate("TargetTable", kTitles[static_cast<int>(column)]);
}

QString CellText(const TargetRow& row, TargetColumn column)
{
    const TargetPlan& plan = row.plan;
    const TargetAlmanac& night = plan.night;
    switch (column) {
    case TargetColumn::Name:
        return row.name;
    case TargetColumn::RightAscension:
        return RightAscensionText(RaHours(plan));
    case TargetColumn::Declination:
        return DeclinationText(DecDegrees(plan));
    case TargetColumn::Rise:
        return HorizonEvent(night, night.rise);
    case TargetColumn::Transit:
        return TimeOrDash(night.transit);
    case TargetColumn::Set:
        return HorizonEvent(night, night.set);
    case TargetColumn::WindowStart:
        return TimeOrDash(WindowEdge(plan, &Interval::from));
    case TargetColumn::WindowEnd:
        return TimeOrDash(WindowEdge(plan, &Interval::to));
    case TargetColumn::HoursObservable:
        return QString::number(TotalHours(night.windows), 'f', kHourDecimals);
    case TargetColumn::BestTime:
        return ClockText(night.highestAt);
    case TargetColumn::BestAltitude:
        return DegreesText(night.highest.altitude);
    case TargetColumn::BestAirMass: {
        const std::optional<double> airMass = BestAirMass(plan);
        return airMass ? QString::number(*airMass, 'f', kAirMassDecimals) : QString(kDash);
    }
    case TargetColumn::MoonDistance:
        return DegreesText(plan.bestMoonDistance);
    }
    return {};
}

QVariant SortKey(const TargetRow& row, TargetColumn column)
{
    const TargetPlan& plan = row.plan;
    const TargetAlmanac& night = plan.night;
    switch (column) {
    case TargetColumn::Name:
        return row.name;
    case TargetColumn::RightAscension:
        return RaHours(plan);
    case TargetColumn::Declination:
        return DecDegrees(plan);
    case TargetColumn::Rise:
        return OrLast(night.rise);
    case TargetColumn::Transit:
        return OrLast(night.transit);
    case TargetColumn::Set:
        return OrLast(night.set);
    case TargetColumn::WindowStart:
        return OrLast(WindowEdge(plan, &Interval::from));
    case TargetColumn::WindowEnd:
        return OrLast(WindowEdge(plan, &Interval::to));
    case TargetColumn::HoursObservable:
        return TotalHours(night.windows);
    case TargetColumn::BestTime:
        return night.highestAt;
    case TargetColumn::BestAltitude:
        return night.highest.altitude;
    case TargetColumn::BestAirMass:
        return OrLast(BestAirMass(plan));
    case TargetColumn::MoonDistance:
        return plan.bestMoonDistance;
    }
    return {};
}

bool Greyed(const TargetRow& row)
{
    return !row.plan.Observable();
}

ChartChoice ChooseCharted(const std::vector<int>& selectedRows, int most)
{
    ChartChoice choice;
    const auto charted = std::min<std::ptrdiff_t>(std::ssize(selectedRows), std::max(most, 0));
    choice.rows.assign(selectedRows.begin(), selectedRows.begin() + charted);
    choice.leftOut = int(std::ssize(selectedRows) - charted);
    return choice;
}

QString CsvText(const QList<QStringList>& lines)
{
    static const QRegularExpression kNeedsQuotes(QStringLiteral("[,\"\r\n]"));
    QString text;
    for (const QStringList& fields : lines) {
        QStringList quoted;
        for (QString field : fields) {
            if (field.contains(kNeedsQuotes)) {
                field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
            }
            quoted << field;
        }
        text += quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text;
}

QString ChartNoteText(int most, int leftOut)
{
    return leftOut > 0 ? Tr("%1 curves at most: %2 more selected not drawn.").arg(most).arg(leftOut)
                       : Tr("Select rows to draw their altitude curves (at most %1 at once).").arg(most);
}

QString TargetsStatus(const QString& listName, const std::vector<TargetRow>& rows,
                      const std::optional<NightInputs>& night)
{
    if (listName.isEmpty()) {
        return Tr("Open a list of targets to plan the night.");
    }
    if (!night) {
        return Tr("%1: waiting for a calculation. Press Calculate on the main window to plan the night.")
            .arg(listName);
    }
    if (!LatitudeOnEarth(night->site)) {
        return LatitudeMessage(night->site.latitudeNorthDeg);
    }
    const auto observable = std::ranges::count_if(rows, [](const TargetRow& row) { return !Greyed(row); });
    return Tr("%1: %2 of %3 targets observable on the night of %4 at %5.")
        .arg(listName)
        .arg(observable)
        .arg(rows.size())
        .arg(NightDateText(night->evening), QString::fromStdString(night->labels.site).trimmed());
}

QString BadLinesText(const QString& listName, const std::vector<BadLine>& lines)
{
    QStringList text{lines.size() == 1 ? Tr("1 line of %1 was not read:").arg(listName)
                                       : Tr("%1 lines of %2 were not read:").arg(lines.size()).arg(listName)};
    for (const BadLine& line : lines) {
        text << Tr("line %1: %2").arg(line.lineNumber).arg(QString::fromStdString(line.reason));
    }
    return text.join(QLatin1Char('\n'));
}

}  // namespace orvexal
