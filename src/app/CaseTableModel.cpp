#include "app/CaseTableModel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <cmath>

void CCaseTableModel::SetTable(CCaseTable table, int current) {
    beginResetModel();
    m_table = std::move(table);
    m_current = current;
    endResetModel();
}

int CCaseTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.rows.size());
}

int CCaseTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_table.columns.size());
}

QVariant CCaseTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    const CTableRow& row = m_table.rows[static_cast<std::size_t>(index.row())];
    const CTableColumn& column = m_table.columns[static_cast<std::size_t>(index.column())];
    const CTableCell& cell = row.cells[static_cast<std::size_t>(index.column())];
    const bool ng = column.kind == CellKind::Verdict && !cell.empty && !cell.ok;
    const bool current = index.row() == m_current;
    switch (role) {
    case Qt::DisplayRole:
        return cell.empty ? QString() : QString::fromStdWString(cell.text);
    case kSortRole:
        if (cell.empty)
            return QVariant();
        if (column.kind == CellKind::Number)
            return std::isnan(cell.value) ? QVariant() : QVariant(cell.value);
        return QString::fromStdWString(cell.text);
    case Qt::TextAlignmentRole:
        if (column.kind == CellKind::Number)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (column.kind == CellKind::Verdict)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (ng)
            return QBrush(QColor(0xB7, 0x1C, 0x1C));
        return QVariant();
    case Qt::BackgroundRole:
        if (ng)
            return QBrush(QColor(0xFF, 0xCD, 0xD2));
        if (current)
            return QBrush(QColor(0xFF, 0xF3, 0xC4));
        return QVariant();
    case Qt::FontRole:
        if (current || ng) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CCaseTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The rows carry their position in the list in their first column.
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= static_cast<int>(m_table.columns.size()))
        return QVariant();
    return QString::fromStdWString(m_table.columns[static_cast<std::size_t>(section)].header);
}
