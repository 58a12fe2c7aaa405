#include "ui/lists/CheckListModel.h"

#include "ui/platform/ListColors.h"

#include <QBrush>

namespace zeku {

CheckListModel::CheckListModel(std::vector<Column> columns, int rows, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)),
      m_cells(static_cast<std::size_t>(rows), std::vector<QString>(m_columns.size())),
      m_checked(static_cast<std::size_t>(rows), false)
{
}

void CheckListModel::setCell(int row, int column, const QString& text)
{
    m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
    const QModelIndex index = this->index(row, column);
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole});
}

void CheckListModel::setCellForeground(int row, int column, const QColor& color)
{
    if (color.isValid())
        m_cellForeground[{row, column}] = color;
    else
        m_cellForeground.erase({row, column});
    const QModelIndex index = this->index(row, column);
    Q_EMIT dataChanged(index, index, {Qt::ForegroundRole});
}

void CheckListModel::setChecked(int row, bool checked)
{
    if (m_checked[static_cast<std::size_t>(row)] == checked)
        return;
    m_checked[static_cast<std::size_t>(row)] = checked;
    rowChanged(row);
}

void CheckListModel::rowChanged(int row)
{
    // The check state and, with greying, the text colour of the whole row.
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::CheckStateRole, Qt::ForegroundRole});
}

int CheckListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_cells.size());
}

int CheckListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CheckListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_cells[row][static_cast<std::size_t>(index.column())];
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return m_checked[row] ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        return (m_columns[static_cast<std::size_t>(index.column())].alignment | Qt::AlignVCenter).toInt();
    case Qt::ForegroundRole:
        if (auto it = m_cellForeground.find({index.row(), index.column()}); it != m_cellForeground.end())
            return QBrush(it->second);
        if (m_greyUnchecked)
            return QBrush(m_checked[row] ? colors::kDefaultText : colors::kUncheckedText);
        return {};
    default:
        return {};
    }
}

bool CheckListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    const auto row = static_cast<std::size_t>(index.row());
    if (m_checked[row] != checked) {
        m_checked[row] = checked;
        rowChanged(index.row());
    }
    Q_EMIT userCheckToggled(index.row(), checked);
    return true;
}

QVariant CheckListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[static_cast<std::size_t>(section)].header;
    if (role == Qt::TextAlignmentRole)
        return (m_columns[static_cast<std::size_t>(section)].alignment | Qt::AlignVCenter).toInt();
    return {};
}

Qt::ItemFlags CheckListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

} // namespace zeku
