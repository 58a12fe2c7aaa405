#include "ui/lists/DataListModel.h"

#include "ui/lists/CDataListCtrl.h"

#include <QBrush>

namespace zeku {

DataListModel::DataListModel(CDataListCtrl* list, QObject* parent) : QAbstractTableModel(parent), m_list(list)
{
}

void DataListModel::setSource(DataListSource* source)
{
    beginResetModel();
    m_source = source;
    endResetModel();
}

void DataListModel::resetRows()
{
    beginResetModel();
    endResetModel();
}

void DataListModel::beginReorder()
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
}

void DataListModel::endReorder(const QModelIndexList& from, const QModelIndexList& to)
{
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int DataListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_source ? 0 : m_source->rowCount();
}

int DataListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_source ? 0 : m_source->columnCount();
}

QVariant DataListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_source || index.row() >= m_source->rowCount() ||
        index.column() >= m_source->columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return m_list->cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return (m_source->columnInfo(index.column()).alignment | Qt::AlignVCenter).toInt();
    case Qt::ForegroundRole:
    case Qt::BackgroundRole: {
        CellColors colors;
        if (!m_list->cellColors(index.row(), index.column(), colors))
            return {};
        return QBrush(role == Qt::ForegroundRole ? colors.text : colors.background);
    }
    default:
        return {};
    }
}

QVariant DataListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_source || section < 0 || section >= m_source->columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return m_source->columnInfo(section).header;
    case Qt::TextAlignmentRole:
        return (m_source->columnInfo(section).alignment | Qt::AlignVCenter).toInt();
    // The tool tip says what a short header counts; screen readers read it as the description.
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString& tip = m_source->columnInfo(section).toolTip;
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default:
        return {};
    }
}

Qt::ItemFlags DataListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

} // namespace zeku
