#pragma once
// The jewels, filtered by rarity, name and skills, in the manual equipment editor.

#include "data/MasterData.h"
#include "search/SearchCondition.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/CatalogueColumns.h"
#include "search/ItemSets.h"

#include <string>
#include <vector>

namespace zeku {

// How the jewel list is filtered; all tests must pass.
struct JewelListFilter {
    RarityFilterCode rarity = 0;
    std::string nameText; // CP932; empty: any name
    std::vector<uint16_t> filterTrees; // empty: any skills
    int matchMode = 0; // 1: every filter tree; otherwise at least one
    bool hideExcluded = false;
    const ExclusionSet* exclusions = nullptr; // used with hideExcluded
};

class CJewelListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CJewelListCtrl(QWidget* parent = nullptr);

    // Builds the master from the jewel catalogue of `master` (which must
    // outlive the list) and inserts the column groups of `columnMask`.
    void setUp(const MasterData& master, uint32_t columnMask = 0xffff);
    // Rebuilds the shown rows from the master, in master order.
    void applyFilter(const JewelListFilter& filter);
    const std::vector<const ListEntry*>& getDataArray() const { return m_table.rows(); }

    // Odd rows lavender.
    CellColors getDefaultColors(int row, int column) const override;

protected:
    bool quickMenuRules(int row, QuickMenu& menu) const override;

private:
    std::vector<ListEntry> m_master;
    std::vector<uint16_t> m_filterTrees;
    EntryTable m_table;
};

} // namespace zeku
