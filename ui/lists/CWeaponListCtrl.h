#pragma once
// The three weapon-slot items, in the manual equipment editor.

#include "data/EquipCatalogue.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/CatalogueColumns.h"

#include <vector>

namespace zeku {

class CWeaponListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CWeaponListCtrl(QWidget* parent = nullptr);

    // Shows every item of `weapons` (which must outlive the list).
    void setUp(const WeaponSlotList& weapons);
    const std::vector<const ListEntry*>& getDataArray() const { return m_table.rows(); }

    // Odd rows lavender.
    CellColors getDefaultColors(int row, int column) const override;

private:
    std::vector<ListEntry> m_master;
    EntryTable m_table;
};

} // namespace zeku
