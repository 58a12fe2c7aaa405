#include "ui/lists/CFixEquipListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/TextConvert.h"

namespace zeku {

CFixEquipListCtrl::CFixEquipListCtrl(QWidget* parent)
    : CFixListCtrl({{tr("部位"), Qt::AlignLeft, 40}, {tr("名称"), Qt::AlignLeft, 140}, {tr("ｽﾛｯﾄ"), Qt::AlignLeft, 50}},
                   parent)
{
    setAccessibleName(tr("固定装備"));
    m_model->setGreyUnchecked(true);
    static const char* const kParts[kRowCount] = {QT_TR_NOOP("武"), QT_TR_NOOP("頭"), QT_TR_NOOP("胴"),
                                                  QT_TR_NOOP("腕"), QT_TR_NOOP("腰"), QT_TR_NOOP("脚")};
    for (int row = 0; row < kRowCount; ++row) {
        m_model->setCell(row, ColPart, tr(kParts[row]));
        m_model->setCell(row, ColName, tr("なし"));
    }
}

void CFixEquipListCtrl::showSet(const EquipSet* set)
{
    m_set = set;
    for (int row = 0; row < kRowCount; ++row) {
        QString name;
        const int32_t position = kWeaponFirstPositions[row];
        if (set && position == EquipPosition::Weapon && set->weapon())
            name = toQString(set->weapon()->name);
        else if (set && position != EquipPosition::Weapon && set->piece(position))
            name = toQString(set->piece(position)->name);
        m_model->setCell(row, ColName, name);
        rewriteSlotCell(row, false);
    }
}

void CFixEquipListCtrl::rewriteSlotCell(int row, bool capacityOnly)
{
    const JewelSlots* slots = slotsOfRow(row);
    QString text;
    if (slots)
        text = capacityOnly ? repeatedMark(QStringLiteral("○"), slots->capacity)
                            : slotDisplay(slots->used, slots->freeSlots());
    m_model->setCell(row, ColSlots, text);
}

bool CFixEquipListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    if (!slotsOfRow(row) || kWeaponFirstPositions[row] == EquipPosition::Weapon)
        return false;
    menu.registration.piece = m_set->piece(kWeaponFirstPositions[row]);
    menu.excludeEnabled = true;
    menu.sPartEnabled = true;
    return true;
}

} // namespace zeku
