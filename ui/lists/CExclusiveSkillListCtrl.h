#pragma once
// Activatable skills (tree and threshold) for the two-list editor of the
// excluded skills: the editor moves entries between a left and a right instance.

#include "data/SkillCatalogue.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/SkillListEntry.h"

#include <memory>
#include <vector>

namespace zeku {

class CExclusiveSkillListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    using EntryPtr = std::unique_ptr<SkillListEntry>;

    explicit CExclusiveSkillListCtrl(QWidget* parent = nullptr);

    void setUp();
    // The entry of (tree, points): tree name, the skill the points activate,
    // bad when the points are negative.
    static EntryPtr makeEntry(uint16_t treeId, int16_t points, const SkillCatalogue& skills);

    // Takes the entries into the master (re-sorted by tree id, then points
    // descending), appends them to the shown rows and selects exactly them.
    void addEntries(std::vector<EntryPtr> entries);
    // Moves the selected entries, in row order, out of the list into `out`.
    void takeSelected(std::vector<EntryPtr>& out);
    // Moves every shown entry, in display order, out of the list into `out`.
    void takeAllShown(std::vector<EntryPtr>& out);
    // Rebuilds the shown rows: tree `treeId` (0: all) and the chosen signs.
    void applyFilter(uint16_t treeId, bool showPositive, bool showNegative);

    const std::vector<const SkillListEntry*>& getDataArray() const { return m_table.rows(); }
    // Every entry of the master, in master order.
    std::vector<const SkillListEntry*> allEntries() const;

private:
    EntryPtr removeFromMaster(const SkillListEntry* entry);

    std::vector<EntryPtr> m_master;
    DataListTable<const SkillListEntry*> m_table;
};

} // namespace zeku
