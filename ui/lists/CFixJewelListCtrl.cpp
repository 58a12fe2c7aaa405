#include "ui/lists/CFixJewelListCtrl.h"

#include "ui/lists/ListText.h"

namespace zeku {

CFixJewelListCtrl::CFixJewelListCtrl(QWidget* parent)
    : CFixListCtrl({{QString(), Qt::AlignLeft, 25}, {tr("装飾品"), Qt::AlignLeft, 180}}, parent)
{
    setAccessibleName(tr("固定装飾品"));
}

void CFixJewelListCtrl::showSet(const EquipSet* set)
{
    m_set = set;
    for (int row = 0; row < kRowCount; ++row) {
        const JewelSlots* slots = slotsOfRow(row);
        m_model->setCell(row, ColJewels, slots ? jewelNames(slots->jewels) : QString());
    }
}

bool CFixJewelListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    const JewelSlots* slots = slotsOfRow(row);
    if (!slots || slots->jewels.empty())
        return false;
    menu.registration.jewels = slots->jewels;
    menu.excludeEnabled = true;
    return true;
}

} // namespace zeku
