#pragma once
// The fixed pieces of the search condition: part, name and slots per row,
// each row with a check box; unchecked rows are greyed.

#include "ui/lists/CFixListCtrl.h"

namespace zeku {

class CFixEquipListCtrl : public CFixListCtrl {
    Q_OBJECT
public:
    enum Column { ColPart, ColName, ColSlots };

    explicit CFixEquipListCtrl(QWidget* parent = nullptr);

    // Shows the weapon and the pieces of `set` (nullptr: none) and remembers it.
    void showSet(const EquipSet* set);
    // Rewrites the slot cell of `row` from the remembered set: "●" per filled
    // and "○" per free slot, or, with `capacityOnly`, "○" once per slot.
    void rewriteSlotCell(int row, bool capacityOnly);

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;
};

} // namespace zeku
