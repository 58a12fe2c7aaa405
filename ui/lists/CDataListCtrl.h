#pragma once
// The base of the data lists: a report view over a table model that serves
// the rows of the member's shown array on demand, with per-column text and
// colour suppliers and the family's own header-click sort: a click sorts by
// the column ascending, a second click on the same column reverses the rows,
// and the selected entries stay selected across both.

#include "ui/lists/DataListTable.h"
#include "ui/lists/ReportListView.h"

#include <cstdint>

namespace zeku {

class DataListModel;

class CDataListCtrl : public ReportListView {
    Q_OBJECT
public:
    explicit CDataListCtrl(QWidget* parent = nullptr);
    ~CDataListCtrl() override;

    // Back to "not sorted": group 0, sub-index -1, ascending.
    virtual void resetSortState();
    // The colours of a cell before its column's supplier: black on white.
    virtual CellColors getDefaultColors(int row, int column) const;

    // Shows the shown array as it is now (the owner changed it): resets the
    // sort state when sorting is on, sets the row count and repaints. The rows
    // are not re-sorted.
    void refreshRows();
    // The header click on `column`.
    void sortByHeader(int column);

    // Sort state: group bit of the sorted column (0 none), its sub-index, direction.
    uint32_t sortGroup() const { return m_sortGroup; }
    int sortSubIndex() const { return m_sortSubIndex; }
    int sortDirection() const { return m_direction; }
    int lastClickedSubIndex() const { return m_lastClickedSubIndex; }

    // Number of view columns and their descriptions.
    int columnTotal() const;

Q_SIGNALS:
    // A header click reordered the rows.
    void rowsSorted();

public:
    const DataListColumnInfo& columnInfo(int column) const;
    // The text and colours the view shows for a cell.
    QString cellText(int row, int column) const;
    // False when colours are not supplied on demand (the view's defaults apply).
    bool cellColors(int row, int column, CellColors& colors) const;
    bool colorsOnDemand() const { return m_colorsOnDemand; }

protected:
    // Makes `table` the data of the view and inserts its columns. Called by
    // the member's set-up after it filled the column table.
    void attachTable(DataListSource* table);
    // The member's switches: colours on demand, sorting by header click.
    void setSwitches(bool colorsOnDemand, bool sortByHeader);
    // Takes the shown array's new size and contents without touching the sort state.
    void updateRowCount();
    // Selects exactly the rows `first` … `last` and scrolls the last into view.
    void selectRowRange(int first, int last);

    uint32_t m_sortGroup = 0;
    int m_sortSubIndex = -1;
    int m_direction = 1;
    int m_lastClickedSubIndex = -1;

private:
    // Reorders the shown array by `reorder` while keeping the model's
    // persistent indexes on their entries.
    template <typename Reorder>
    void reorderRows(Reorder reorder);

    DataListModel* m_model;
    DataListSource* m_source = nullptr;
    bool m_colorsOnDemand = false;
    bool m_sortByHeader = false;
};

} // namespace zeku
