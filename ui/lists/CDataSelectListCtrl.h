#pragma once
// One equipment set as seven fixed rows: the weapon slots, the five pieces
// with rarity, defence, resistances, slots and jewels, and a totals row.

#include "search/EquipSet.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/TextRow.h"

namespace zeku {

class CDataSelectListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    static constexpr int kRowCount = 7;
    static constexpr int kTotalsRow = 6;

    explicit CDataSelectListCtrl(QWidget* parent = nullptr);

    // Inserts the columns and shows the empty set.
    void setUp();
    // Shows `set` (nullptr: none), keeping the selected row; the set must stay
    // alive while it is shown (the right-click menu refers to it).
    void showSet(const EquipSet* set);
    const EquipSet* shownSet() const { return m_set; }

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;

private:
    const EquipSet* m_set = nullptr;
    DataListTable<TextRow> m_table;
};

} // namespace zeku
