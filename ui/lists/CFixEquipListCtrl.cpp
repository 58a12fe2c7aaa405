#include "ui/lists/CFixEquipListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/TextConvert.h"

namespace zeku {

CFixEquipListCtrl::CFixEquipListCtrl(QWidget* parent)
    : CFixListCtrl({{QStringLiteral("部位"), Qt::AlignLeft, 40},
                    {QStringLiteral("名称"), Qt::AlignLeft, 140},
                    {QStringLiteral("ｽﾛｯﾄ"), Qt::AlignLeft, 50}},
                   parent)
{
    setAccessibleName(QStringLiteral("固定装備"));
    m_model->setGreyUnchecked(true);
    static const char16_t* const kParts[kRowCount] = {u"武", u"頭", u"胴", u"腕", u"腰", u"脚"};
    for (int row = 0; row < kRowCount; ++row) {
        m_model->setCell(row, ColPart, QString::fromUtf16(kParts[row]));
        m_model->setCell(row, ColName, QStringLiteral("なし"));
    }
}

void CFixEquipListCtrl::showSet(const EquipSet* set)
{
    m_set = set;
    for (int row = 0; row < kRowCount; ++row) {
        QString name;
        if (set && row == 0 && set->weapon())
            name = toQString(set->weapon()->name);
        else if (set && row > 0 && set->piece(row - 1))
            name = toQString(set->piece(row - 1)->name);
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
    if (row == 0 || !slotsOfRow(row))
        return false;
    menu.registration.piece = m_set->piece(row - 1);
    menu.excludeEnabled = true;
    menu.sPartEnabled = true;
    return true;
}

} // namespace zeku
