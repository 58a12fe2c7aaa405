#pragma once
// The jewels fixed into each row of the fixed-equipment list, each row with a
// check box.

#include "ui/lists/CFixListCtrl.h"

namespace zeku {

class CFixJewelListCtrl : public CFixListCtrl {
    Q_OBJECT
public:
    enum Column { ColCheck, ColJewels };

    explicit CFixJewelListCtrl(QWidget* parent = nullptr);

    // Shows the jewel names of the weapon and each piece of `set` (nullptr:
    // none) and remembers it.
    void showSet(const EquipSet* set);

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;
};

} // namespace zeku
