// The Targets window's table as a Qt model: the rows of a night's targets
// (ui/target_table.h) with their texts, greyed rows and sort keys; and the
// proxy that sorts them by value and can leave out the rows that cannot be
// observed.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "ui/target_table.h"

namespace orvexal {

class TargetsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The value a column sorts by, and whether a row can be observed.
    static constexpr int kSortRole = Qt::UserRole;
    static constexpr int kObservableRole = Qt::UserRole + 1;

    explicit TargetsModel(QObject* parent = nullptr);

    void SetRows(std::vector<TargetRow> rows);
    const std::vector<TargetRow>& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<TargetRow> rows_;
};

class TargetsFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit TargetsFilter(QObject* parent = nullptr);

    void SetObservableOnly(bool only);

    // The texts of the header and of every row as shown, in the shown order.
    QList<QStringList> ShownTexts() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    bool observableOnly_ = false;
};

}  // namespace orvexal
