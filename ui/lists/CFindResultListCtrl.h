#pragma once
// The search results: number, defence, slot counts and activated-skill count
// of each result, sortable by every column. Rows refer to the records of the
// result store; a million results list at once because nothing is copied and
// cells are formatted only when painted.

#include "data/SkillCatalogue.h"
#include "search/SearchResultStore.h"
#include "ui/lists/CDataListCtrl.h"

#include <vector>

namespace zeku {

// One shown result: the record and its number (position in the store + 1).
struct FindResultRow {
    const ResultRecord* record = nullptr;
    int32_t number = 0;
};

class CFindResultListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CFindResultListCtrl(QWidget* parent = nullptr);

    // Inserts the columns; `skills` (for the activated-skill count) must outlive the list.
    void setUp(const SkillCatalogue& skills);
    // The shown array, rows of the shown store.
    const std::vector<FindResultRow>& getDataArray() const { return m_table.rows(); }
    // Shows every result of `store` (none for nullptr), numbered from 1; the
    // store must outlive the rows.
    void showResults(const SearchResultStore* store);
    // The record of `row`.
    const ResultRecord* recordAt(int row) const { return m_table.rows()[static_cast<std::size_t>(row)].record; }
    // The full set of `row`, built from its record; valid until the next call
    // for another row.
    const EquipSet* resultAt(int row) const;

    // After every refill the rows count as sorted by number, ascending.
    void resetSortState() override;

    // The printf width of "No." for a list of `rowCount` rows (0: no width).
    static int numberWidth(int rowCount);

private:
    // Widens "No." so that the largest number shows whole.
    void fitNumberColumn();

    const SkillCatalogue* m_skills = nullptr;
    const SearchResultStore* m_store = nullptr;
    DataListTable<FindResultRow> m_table;
    // The last set resultAt() built, and the record it was built from.
    mutable EquipSet m_builtSet;
    mutable const ResultRecord* m_builtFrom = nullptr;
};

} // namespace zeku
