#include "ui/lists/CExclusiveSkillListCtrl.h"

#include "ui/lists/ListText.h"
#include "ui/platform/ListColors.h"
#include "ui/platform/TextConvert.h"

#include <algorithm>

namespace zeku {
namespace {

// Tree id ascending, then points descending.
int compareTreeThenPoints(const SkillListEntry& a, const SkillListEntry& b)
{
    if (int c = compareNumbers(a.treeId, b.treeId))
        return c;
    return compareNumbers(b.points, a.points);
}

} // namespace

CExclusiveSkillListCtrl::CExclusiveSkillListCtrl(QWidget* parent) : CDataListCtrl(parent)
{
    setAccessibleName(tr("スキル"));
}

void CExclusiveSkillListCtrl::setUp()
{
    setSwitches(true, true);
    setMultiSelection(true);
    using Entry = const SkillListEntry*;
    m_table.clearColumns();
    m_table.beginGroup(0x01);
    auto& tree = m_table.addColumn(tr("スキル系統"), Qt::AlignLeft, 120);
    tree.text = [](const Entry& e, int) { return toQString(e->text); };
    tree.comparer = [](const Entry& a, const Entry& b, int) { return compareTreeThenPoints(*a, *b); };
    m_table.beginGroup(0x02);
    auto& activated = m_table.addColumn(tr("発動スキル"), Qt::AlignLeft, 160);
    activated.text = [](const Entry& e, int) { return toQString(e->activatedName); };
    activated.colors = [](const Entry& e, int, CellColors& colors) {
        if (e->bad)
            colors.text = colors::kNegativeText;
    };
    activated.comparer = [](const Entry& a, const Entry& b, int) {
        return compareNames(a->activatedName, b->activatedName);
    };
    attachTable(&m_table);
    resetSortState();
}

CExclusiveSkillListCtrl::EntryPtr CExclusiveSkillListCtrl::makeEntry(uint16_t treeId, int16_t points,
                                                                     const SkillCatalogue& skills)
{
    auto e = std::make_unique<SkillListEntry>();
    e->treeId = treeId;
    e->points = points;
    const std::string* name = skills.treeName(treeId);
    e->text = name ? *name : std::string();
    e->activatedName = skills.activatedSkillName(treeId, points);
    e->bad = points < 0;
    return e;
}

void CExclusiveSkillListCtrl::addEntries(std::vector<EntryPtr> entries)
{
    std::vector<const SkillListEntry*>& shown = m_table.rows();
    const int first = static_cast<int>(shown.size());
    for (EntryPtr& e : entries) {
        shown.push_back(e.get());
        m_master.push_back(std::move(e));
    }
    quickSortEntries(m_master, [](const EntryPtr& a, const EntryPtr& b) { return compareTreeThenPoints(*a, *b); });
    updateRowCount();
    selectRowRange(first, static_cast<int>(shown.size()) - 1);
}

CExclusiveSkillListCtrl::EntryPtr CExclusiveSkillListCtrl::removeFromMaster(const SkillListEntry* entry)
{
    auto it = std::find_if(m_master.begin(), m_master.end(), [&](const EntryPtr& e) { return e.get() == entry; });
    if (it == m_master.end())
        return nullptr;
    EntryPtr taken = std::move(*it);
    m_master.erase(it);
    return taken;
}

void CExclusiveSkillListCtrl::takeSelected(std::vector<EntryPtr>& out)
{
    out.clear();
    const std::vector<int> rows = selectedRowNumbers();
    std::vector<const SkillListEntry*>& shown = m_table.rows();
    for (int row : rows)
        if (EntryPtr e = removeFromMaster(shown[static_cast<std::size_t>(row)]))
            out.push_back(std::move(e));
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        shown.erase(shown.begin() + *it);
    selectionModel()->clear();
    updateRowCount();
}

void CExclusiveSkillListCtrl::takeAllShown(std::vector<EntryPtr>& out)
{
    out.clear();
    for (const SkillListEntry* entry : m_table.rows())
        if (EntryPtr e = removeFromMaster(entry))
            out.push_back(std::move(e));
    m_table.rows().clear();
    updateRowCount();
}

void CExclusiveSkillListCtrl::applyFilter(uint16_t treeId, bool showPositive, bool showNegative)
{
    std::vector<const SkillListEntry*>& shown = m_table.rows();
    shown.clear();
    for (const EntryPtr& e : m_master) {
        if (treeId != 0 && e->treeId != treeId)
            continue;
        if ((showPositive && e->points > 0) || (showNegative && e->points < 0))
            shown.push_back(e.get());
    }
    refreshRows();
}

std::vector<const SkillListEntry*> CExclusiveSkillListCtrl::allEntries() const
{
    std::vector<const SkillListEntry*> all;
    for (const EntryPtr& e : m_master)
        all.push_back(e.get());
    return all;
}

} // namespace zeku
