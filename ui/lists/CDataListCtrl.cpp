#include "ui/lists/CDataListCtrl.h"

#include "ui/lists/DataListModel.h"
#include "ui/platform/ListColors.h"

#include <QHeaderView>

#include <unordered_map>

namespace zeku {

CDataListCtrl::CDataListCtrl(QWidget* parent) : ReportListView(parent), m_model(new DataListModel(this, this))
{
    setModel(m_model);
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CDataListCtrl::sortByHeader);
}

CDataListCtrl::~CDataListCtrl() = default;

void CDataListCtrl::resetSortState()
{
    m_sortGroup = 0;
    m_sortSubIndex = -1;
    m_direction = 1;
}

CellColors CDataListCtrl::getDefaultColors(int, int) const
{
    return CellColors{colors::kDefaultText, colors::kDefaultBackground};
}

void CDataListCtrl::attachTable(DataListSource* table)
{
    m_source = table;
    m_model->setSource(table);
    for (int c = 0; c < table->columnCount(); ++c)
        setColumnWidth(c, table->columnInfo(c).width);
}

void CDataListCtrl::setSwitches(bool colorsOnDemand, bool sortByHeader)
{
    m_colorsOnDemand = colorsOnDemand;
    m_sortByHeader = sortByHeader;
}

void CDataListCtrl::refreshRows()
{
    if (m_sortByHeader) {
        resetSortState();
        horizontalHeader()->setSortIndicatorShown(false);
    }
    updateRowCount();
}

void CDataListCtrl::updateRowCount()
{
    m_model->resetRows();
    viewport()->update();
}

void CDataListCtrl::selectRowRange(int first, int last)
{
    selectionModel()->clear();
    if (first > last || first < 0)
        return;
    const QItemSelection range(m_model->index(first, 0), m_model->index(last, m_model->columnCount() - 1));
    selectionModel()->select(range, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(m_model->index(last, 0), QItemSelectionModel::NoUpdate);
    scrollTo(m_model->index(last, 0));
}

int CDataListCtrl::columnTotal() const
{
    return m_source ? m_source->columnCount() : 0;
}

const DataListColumnInfo& CDataListCtrl::columnInfo(int column) const
{
    return m_source->columnInfo(column);
}

QString CDataListCtrl::cellText(int row, int column) const
{
    return m_source ? m_source->text(row, column) : QString();
}

bool CDataListCtrl::cellColors(int row, int column, CellColors& colors) const
{
    if (!m_colorsOnDemand || !m_source)
        return false;
    colors = getDefaultColors(row, column);
    m_source->applyColors(row, column, colors);
    return true;
}

template <typename Reorder>
void CDataListCtrl::reorderRows(Reorder reorder)
{
    m_model->beginReorder();
    const QModelIndexList from = m_model->persistentIndexList();
    std::vector<const void*> ids;
    ids.reserve(static_cast<std::size_t>(from.size()));
    for (const QModelIndex& index : from)
        ids.push_back(index.isValid() ? m_source->identity(index.row()) : nullptr);

    reorder();

    QModelIndexList to;
    if (!from.isEmpty()) {
        std::unordered_map<const void*, int> newRow;
        for (const void* id : ids)
            if (id)
                newRow.emplace(id, -1);
        for (int r = 0; r < m_source->rowCount(); ++r) {
            auto it = newRow.find(m_source->identity(r));
            if (it != newRow.end())
                it->second = r;
        }
        for (qsizetype i = 0; i < from.size(); ++i) {
            const int row = ids[i] ? newRow[ids[i]] : -1;
            to.push_back(row >= 0 ? m_model->index(row, from[i].column()) : QModelIndex());
        }
    }
    m_model->endReorder(from, to);
}

void CDataListCtrl::sortByHeader(int column)
{
    if (!m_sortByHeader || !m_source || column < 0 || column >= m_source->columnCount() ||
        !m_source->hasComparer(column))
        return;

    // 1. Remember the selected entries; nothing stays selected or focused.
    std::vector<const void*> remembered;
    for (int row : selectedRowNumbers())
        remembered.push_back(m_source->identity(row));
    selectionModel()->clear();

    // 2./3. The sorted column again reverses; any other column sorts ascending.
    const DataListColumnInfo& info = m_source->columnInfo(column);
    const int sub = column - info.firstColumn;
    reorderRows([&] {
        if (info.group == m_sortGroup && sub == m_sortSubIndex) {
            m_direction = -m_direction;
            m_source->reverseRows();
        } else {
            m_sortGroup = info.group;
            m_sortSubIndex = sub;
            m_direction = 1;
            m_lastClickedSubIndex = sub;
            m_source->sortByColumn(column, m_direction);
        }
    });

    // 4. Select and focus the remembered entries at their new rows.
    if (!remembered.empty()) {
        std::unordered_map<const void*, int> rowOf;
        for (const void* id : remembered)
            rowOf.emplace(id, -1);
        for (int r = 0; r < m_source->rowCount(); ++r) {
            auto it = rowOf.find(m_source->identity(r));
            if (it != rowOf.end())
                it->second = r;
        }
        for (const void* id : remembered) {
            const int row = rowOf[id];
            if (row < 0)
                continue;
            const QModelIndex index = m_model->index(row, 0);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            scrollTo(index);
        }
    }

    // 5. The header shows the sorted column and its direction; one repaint of the whole control.
    horizontalHeader()->setSortIndicator(column, m_direction > 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
    horizontalHeader()->setSortIndicatorShown(true);
    viewport()->update();
    Q_EMIT rowsSorted();
}

} // namespace zeku
