#include "ui/lists/CWeaponListCtrl.h"

namespace zeku {

CWeaponListCtrl::CWeaponListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("武器スロット"));
}

void CWeaponListCtrl::setUp(const WeaponSlotList& weapons)
{
    setSwitches(true, true);
    m_master.clear();
    for (const WeaponSlotItem& weapon : weapons.items()) {
        ListEntry e;
        e.weapon = &weapon;
        m_master.push_back(e);
    }
    m_table.clearColumns();
    addNameColumn(m_table, 180);
    addSlotColumn(m_table, QStringLiteral("○"));
    attachTable(&m_table);
    m_table.rows().clear();
    for (const ListEntry& entry : m_master)
        m_table.rows().push_back(&entry);
    refreshRows();
}

CellColors CWeaponListCtrl::getDefaultColors(int row, int) const
{
    return oddRowShadedColors(row);
}

} // namespace zeku
