#include "ui/lists/CJewelListCtrl.h"

#include "ui/lists/CEquipListCtrl.h"
#include "ui/lists/ListText.h"

namespace zeku {

CJewelListCtrl::CJewelListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("装飾品"));
}

void CJewelListCtrl::setUp(const MasterData& master, uint32_t columnMask)
{
    setSwitches(true, true);
    m_master.clear();
    for (const Jewel& jewel : master.jewels().items()) {
        ListEntry e;
        e.kind = ListEntry::kJewel;
        e.jewel = &jewel;
        m_master.push_back(e);
    }
    quickSortEntries(m_master, [](const ListEntry& a, const ListEntry& b) { return compareFirstSkillThenName(a, b); });

    m_table.clearColumns();
    if (columnMask & kGroupRarity)
        addRarityColumn(m_table);
    if (columnMask & kGroupName)
        addNameColumn(m_table, 180);
    if (columnMask & kGroupSlots)
        addSlotColumn(m_table, QStringLiteral("●"));
    if (columnMask & kGroupSkills)
        addSkillColumns(m_table, master.jewels().mostSkillsOnOneJewel(), master.skills(), &m_filterTrees);
    attachTable(&m_table);
    resetSortState();
}

void CJewelListCtrl::applyFilter(const JewelListFilter& filter)
{
    m_filterTrees = filter.filterTrees;
    std::vector<const ListEntry*>& shown = m_table.rows();
    shown.clear();
    for (const ListEntry& entry : m_master) {
        const Jewel& jewel = *entry.jewel;
        if (filter.hideExcluded && filter.exclusions && filter.exclusions->contains(jewel))
            continue;
        if (!rarityPasses(filter.rarity, jewel.rarity))
            continue;
        if (!filter.nameText.empty() && !containsCp932(jewel.name, filter.nameText))
            continue;
        if (!skillFilterPasses(jewel.skills, filter.filterTrees, filter.matchMode))
            continue;
        shown.push_back(&entry);
    }
    refreshRows();
}

CellColors CJewelListCtrl::getDefaultColors(int row, int) const
{
    return oddRowShadedColors(row);
}

bool CJewelListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    // A jewel can be excluded; as an S part it has no effect (no piece is handed over).
    menu.registration.jewels = {m_table.rows()[static_cast<std::size_t>(row)]->jewel};
    menu.excludeEnabled = true;
    menu.sPartEnabled = true;
    return true;
}

} // namespace zeku
