#include "ui/lists/CDataSelectListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace zeku {
namespace {

enum Column { ColRarity, ColName, ColDefence, ColFire, ColDragon = ColFire + 4, ColSlots, ColJewels, ColCount };

// "●"/"○" and the jewel names of one holder; both empty when it has no slots.
void fillSlots(TextRow& row, const JewelSlots& slots)
{
    if (slots.capacity == 0)
        return;
    row.cells[ColSlots] = slotDisplay(slots.used, slots.freeSlots());
    row.cells[ColJewels] = jewelNames(slots.jewels);
}

// Every distinct jewel of the set with its count, in order of first appearance.
QString jewelCounts(const EquipSet& set)
{
    std::vector<const Jewel*> jewels = set.weaponSlots().jewels;
    for (int part = 0; part < kPartCount; ++part)
        jewels.insert(jewels.end(), set.pieceSlots(part).jewels.begin(), set.pieceSlots(part).jewels.end());
    return zeku::jewelCounts(jewels);
}

std::vector<TextRow> buildRows(const EquipSet* set)
{
    std::vector<TextRow> rows(CDataSelectListCtrl::kRowCount, TextRow(ColCount));
    if (set && set->weapon()) {
        rows[0].cells[ColName] = toQString(set->weapon()->name);
        fillSlots(rows[0], set->weaponSlots());
    } else {
        rows[0].cells[ColName] = QCoreApplication::translate("zeku::CDataSelectListCtrl", "武器スロットなし");
    }

    int resistance[kElementCount] = {};
    for (int part = 0; part < kPartCount; ++part) {
        TextRow& row = rows[static_cast<std::size_t>(part) + 1];
        const EquipItem* piece = set ? set->piece(part) : nullptr;
        if (!piece) {
            row.cells[ColName] = QCoreApplication::translate("zeku::CDataSelectListCtrl", "なし");
            continue;
        }
        row.cells[ColRarity] = QString::number(piece->rarity);
        row.cells[ColName] = toQString(piece->name);
        row.cells[ColDefence] = QString::number(piece->defence);
        for (int e = 0; e < kElementCount; ++e) {
            row.cells[ColFire + e] = signedTextOrEmpty(piece->resistance[e]);
            resistance[e] += piece->resistance[e];
        }
        fillSlots(row, set->pieceSlots(part));
    }

    TextRow& totals = rows[CDataSelectListCtrl::kTotalsRow];
    totals.totals = true;
    totals.cells[ColName] = QCoreApplication::translate("zeku::CDataSelectListCtrl", "＜合　計＞");
    if (set) {
        if (set->totalDefence() != 0)
            totals.cells[ColDefence] = QString::number(set->totalDefence());
        for (int e = 0; e < kElementCount; ++e)
            totals.cells[ColFire + e] = signedTextOrEmpty(static_cast<int16_t>(resistance[e]));
        if (set->totalSlots() > 0 && set->usedSlots() > 0)
            totals.cells[ColSlots] = QStringLiteral("●%1").arg(set->usedSlots());
        if (set->freeSlots() > 0)
            totals.cells[ColSlots] += QStringLiteral("○%1").arg(set->freeSlots());
        totals.cells[ColJewels] = jewelCounts(*set);
    }
    return rows;
}

} // namespace

CDataSelectListCtrl::CDataSelectListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(QCoreApplication::translate("zeku::CDataSelectListCtrl", "装備"));
}

void CDataSelectListCtrl::setUp()
{
    setSwitches(true, false);
    m_table.clearColumns();
    struct Layout {
        const char* header;
        Qt::Alignment align;
        int width;
    };
    static constexpr Layout kColumns[ColCount] = {
        {QT_TR_NOOP("ﾚｱ"), Qt::AlignRight, 30},   {QT_TR_NOOP("名称"), Qt::AlignLeft, 160},
        {QT_TR_NOOP("防御"), Qt::AlignRight, 45}, {QT_TR_NOOP("火"), Qt::AlignRight, 35},
        {QT_TR_NOOP("水"), Qt::AlignRight, 35},   {QT_TR_NOOP("雷"), Qt::AlignRight, 35},
        {QT_TR_NOOP("氷"), Qt::AlignRight, 35},   {QT_TR_NOOP("龍"), Qt::AlignRight, 35},
        {QT_TR_NOOP("ｽﾛｯﾄ"), Qt::AlignLeft, 70},  {QT_TR_NOOP("装飾品"), Qt::AlignLeft, 220},
    };
    for (int c = 0; c < ColCount; ++c) {
        m_table.beginGroup(1u << c);
        auto& column = m_table.addColumn(tr(kColumns[c].header), kColumns[c].align, kColumns[c].width);
        column.text = [c](const TextRow& row, int) { return row.cells[static_cast<std::size_t>(c)]; };
        const bool resistance = c >= ColFire && c <= ColDragon;
        column.colors = [c, resistance](const TextRow& row, int, CellColors& colors) {
            if (resistance && row.cells[static_cast<std::size_t>(c)].startsWith(QLatin1Char('-')))
                colors.text = colors::kNegativeText;
            if (row.totals)
                colors.background = colors::kTotalBackground;
        };
    }
    attachTable(&m_table);
    showSet(nullptr);
}

void CDataSelectListCtrl::showSet(const EquipSet* set)
{
    const int selected = selectedRow();
    m_table.rows() = buildRows(set);
    refreshRows();
    if (selected >= 0)
        selectSingleRow(selected);
    m_set = set;
}

bool CDataSelectListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    if (!m_set)
        return false;
    if (row == 0) {
        if (!m_set->weapon() || m_set->weaponSlots().jewels.empty())
            return false;
        menu.registration.jewels = m_set->weaponSlots().jewels;
        menu.excludeEnabled = true;
        return true;
    }
    if (row > kPartCount || !m_set->piece(row - 1))
        return false;
    menu.registration.piece = m_set->piece(row - 1);
    menu.registration.jewels = m_set->pieceSlots(row - 1).jewels;
    menu.excludeEnabled = true;
    menu.sPartEnabled = true;
    return true;
}

} // namespace zeku
