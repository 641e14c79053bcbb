#include "ui/targets_model.h"

#include <QApplication>
#include <QPalette>

namespace orvexal {

TargetsModel::TargetsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TargetsModel::SetRows(std::vector<TargetRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TargetsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int TargetsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kTargetColumns;
}

// Names at the left, every other column (times, angles, numbers) at the right.
QVariant TargetsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const TargetRow& row = rows_[std::size_t(index.row())];
    const auto column = static_cast<TargetColumn>(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return CellText(row, column);
    case kSortRole:
        return SortKey(row, column);
    case kObservableRole:
        return !Greyed(row);
    case Qt::ForegroundRole:
        return Greyed(row) ? QVariant(QApplication::palette().brush(QPalette::Disabled, QPalette::Text)) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (column == TargetColumn::Name ? Qt::AlignLeft : Qt::AlignRight));
    default:
        return {};
    }
}

QVariant TargetsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kTargetColumns) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return ColumnTitle(static_cast<TargetColumn>(section));
}

TargetsFilter::TargetsFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortRole(TargetsModel::kSortRole);
    setSortLocaleAware(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void TargetsFilter::SetObservableOnly(bool only)
{
    observableOnly_ = only;
    invalidateRowsFilter();
}

bool TargetsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    return !observableOnly_
           || sourceModel()->index(sourceRow, 0, sourceParent).data(TargetsModel::kObservableRole).toBool();
}

QList<QStringList> TargetsFilter::ShownTexts() const
{
    QList<QStringList> lines;
    QStringList header;
    for (int column = 0; column < columnCount(); ++column) {
        header << headerData(column, Qt::Horizontal).toString();
    }
    lines << header;
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column) {
            cells << index(row, column).data().toString();
        }
        lines << cells;
    }
    return lines;
}

}  // namespace orvexal
