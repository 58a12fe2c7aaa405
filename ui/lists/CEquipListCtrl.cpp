#include "ui/lists/CEquipListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/ListColors.h"

#include <algorithm>

namespace zeku {

bool skillFilterPasses(const std::vector<SkillPoint>& skills, const std::vector<uint16_t>& trees, int matchMode)
{
    if (trees.empty())
        return true;
    std::size_t matched = 0;
    for (uint16_t tree : trees) {
        const SkillPoint* p = pointsOf(skills, tree);
        if (p && p->points > 0)
            ++matched;
    }
    return matchMode == 1 ? matched == trees.size() : matched > 0;
}

CEquipListCtrl::CEquipListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("防具"));
}

void CEquipListCtrl::setUp(const MasterData& master, uint32_t columnMask)
{
    setSwitches(true, true);
    int skillColumns = 0;
    for (int part = 0; part < kPartCount; ++part) {
        std::vector<ListEntry>& entries = m_masters[static_cast<std::size_t>(part)];
        entries.clear();
        for (const EquipItem& piece : master.equip(part).items()) {
            ListEntry e;
            e.piece = &piece;
            entries.push_back(e);
        }
        quickSortEntries(entries, [](const ListEntry& a, const ListEntry& b) { return compareRarityThenName(a, b); });
        skillColumns = std::max(skillColumns, master.equip(part).mostSkillsOnOnePiece());
    }

    using Entry = const ListEntry*;
    m_table.clearColumns();
    if (columnMask & kGroupRarity)
        addRarityColumn(m_table);
    if (columnMask & kGroupName)
        addNameColumn(m_table, 160);
    if (columnMask & kGroupDefence) {
        m_table.beginGroup(kGroupDefence);
        auto& column = m_table.addColumn(tr("防御"), Qt::AlignRight, 40);
        column.text = [](const Entry& e, int) { return QString::number(e->piece->defence); };
        column.comparer = [](const Entry& a, const Entry& b, int) {
            if (int c = compareNumbers(a->piece->defence, b->piece->defence))
                return c;
            return compareNames(a->name(), b->name());
        };
    }
    if (columnMask & kGroupResistance) {
        m_table.beginGroup(kGroupResistance);
        static const char* const kHeaders[kElementCount] = {QT_TR_NOOP("火"), QT_TR_NOOP("水"), QT_TR_NOOP("雷"),
                                                            QT_TR_NOOP("氷"), QT_TR_NOOP("龍")};
        for (int e = 0; e < kElementCount; ++e) {
            auto& column = m_table.addColumn(tr(kHeaders[e]), Qt::AlignRight, 35);
            column.text = [](const Entry& en, int sub) { return signedTextOrEmpty(en->piece->resistance[sub]); };
            column.colors = [](const Entry& en, int sub, CellColors& colors) {
                if (en->piece->resistance[sub] < 0)
                    colors.text = colors::kNegativeText;
            };
            column.comparer = [](const Entry& a, const Entry& b, int sub) {
                if (int c = compareNumbers(a->piece->resistance[sub], b->piece->resistance[sub]))
                    return c;
                return compareNames(a->name(), b->name());
            };
        }
    }
    if (columnMask & kGroupSlots)
        addSlotColumn(m_table, QStringLiteral("○"));
    if (columnMask & kGroupSkills)
        addSkillColumns(m_table, skillColumns, master.skills(), &m_filterTrees);
    attachTable(&m_table);
    resetSortState();
}

void CEquipListCtrl::applyFilter(const EquipListFilter& filter)
{
    m_part = std::clamp(filter.part, 0, kPartCount - 1);
    m_filterTrees = filter.filterTrees;
    std::vector<const ListEntry*>& shown = m_table.rows();
    shown.clear();
    for (const ListEntry& entry : m_masters[static_cast<std::size_t>(m_part)]) {
        const EquipItem& piece = *entry.piece;
        if (filter.hideExcluded && filter.exclusions && filter.exclusions->contains(piece))
            continue;
        if (!rarityPasses(filter.rarity, piece.rarity))
            continue;
        if (!codeFits(piece.sex, filter.sex) || !codeFits(piece.job, filter.job))
            continue;
        if (!filter.nameText.empty() && !containsCp932(piece.name, filter.nameText))
            continue;
        if (!skillFilterPasses(piece.skills, filter.filterTrees, filter.matchMode))
            continue;
        shown.push_back(&entry);
    }
    refreshRows();
}

CellColors CEquipListCtrl::getDefaultColors(int row, int) const
{
    return oddRowShadedColors(row);
}

bool CEquipListCtrl::quickMenuRules(int row, QuickMenu& menu) const
{
    menu.registration.piece = m_table.rows()[static_cast<std::size_t>(row)]->piece;
    menu.excludeEnabled = true;
    menu.sPartEnabled = true;
    return true;
}

} // namespace zeku
