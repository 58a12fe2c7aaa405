#pragma once
// The armour pieces of one part at a time, filtered by sex, job, rarity, name
// and skills, in the manual equipment editor.

#include "data/MasterData.h"
#include "search/SearchCondition.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/CatalogueColumns.h"
#include "search/ItemSets.h"

#include <array>
#include <string>
#include <vector>

namespace zeku {

// How the armour list is filtered; all tests must pass.
struct EquipListFilter {
    int part = PartHead;
    uint16_t sex = kSexMale;
    uint16_t job = kJobBlade;
    RarityFilterCode rarity = 0;
    std::string nameText; // CP932; empty: any name
    std::vector<uint16_t> filterTrees; // empty: any skills
    int matchMode = 0; // 1: every filter tree; otherwise at least one
    bool hideExcluded = false;
    const ExclusionSet* exclusions = nullptr; // used with hideExcluded
};

// True when `piece` has positive points in every (mode 1) or any filter tree.
bool skillFilterPasses(const std::vector<SkillPoint>& skills, const std::vector<uint16_t>& trees, int matchMode);

class CEquipListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CEquipListCtrl(QWidget* parent = nullptr);

    // Builds the five masters from `master` (which must outlive the list) and
    // inserts the column groups of `columnMask`.
    void setUp(const MasterData& master, uint32_t columnMask = 0xffff);
    // Rebuilds the shown rows of the filter's part from its master, in master order.
    void applyFilter(const EquipListFilter& filter);
    const std::vector<const ListEntry*>& getDataArray() const { return m_table.rows(); }
    int currentPart() const { return m_part; }

    // Odd rows lavender.
    CellColors getDefaultColors(int row, int column) const override;

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;

private:
    std::array<std::vector<ListEntry>, kPartCount> m_masters;
    std::vector<uint16_t> m_filterTrees;
    int m_part = PartHead;
    EntryTable m_table;
};

} // namespace zeku
