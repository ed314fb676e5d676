// The case overview as a Qt item model: one row per case, the table's columns, NG cells and
// the overall verdict coloured, the current case in bold on a tinted row. Sorting goes by
// the sort role: numbers by value, texts by text.
#pragma once

#include "doc/CaseTable.h"

#include <QAbstractTableModel>

class CCaseTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int kSortRole = Qt::UserRole;

    // Replaces the whole table; current is the index of the current case (-1 for none).
    void SetTable(CCaseTable table, int current);
    const CCaseTable& Table() const { return m_table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CCaseTable m_table;
    int m_current = -1;
};
