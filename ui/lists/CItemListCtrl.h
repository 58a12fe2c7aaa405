#pragma once
// Armour pieces of every part and jewels as one list, for the two-list
// editors of the excluded items and the S parts: the editor moves entries
// between a left and a right instance.

#include "search/SearchCondition.h"
#include "ui/lists/CDataListCtrl.h"
#include "ui/lists/CatalogueColumns.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace zeku {

class CItemListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    // Kinds 0 … 4 are the parts, 5 the jewels; any other kind means all.
    static constexpr int kJewelKind = 5;
    static constexpr int kAllKinds = -1;
    using EntryPtr = std::unique_ptr<ListEntry>;

    explicit CItemListCtrl(QWidget* parent = nullptr);

    void setUp();
    // Takes the entries into their masters (each re-sorted by rarity, then
    // name), appends them to the shown rows and selects exactly them.
    void addEntries(std::vector<EntryPtr> entries);
    // Moves the selected entries, in row order, out of the list into `out`.
    void takeSelected(std::vector<EntryPtr>& out);
    // Moves every shown entry, in display order, out of the list into `out`.
    void takeAllShown(std::vector<EntryPtr>& out);
    // Rebuilds the shown rows from the masters of `kind` (all kinds: parts in
    // order, then jewels). A sex or job of 0 passes every item.
    void applyFilter(int kind, uint16_t sex, uint16_t job, RarityFilterCode rarity, const std::string& nameText);

    const std::vector<const ListEntry*>& getDataArray() const { return m_table.rows(); }
    int currentKind() const { return m_kind; }
    // Entries of all masters (for the editor's result), parts in order, then jewels.
    std::vector<const ListEntry*> allEntries() const;

    static EntryPtr makePieceEntry(const EquipItem& piece, int32_t number);
    static EntryPtr makeJewelEntry(const Jewel& jewel, int32_t number);

private:
    static std::size_t masterOf(const ListEntry& entry);
    // Moves `entry` out of the master that holds it; nullptr when none does.
    EntryPtr removeFromMasters(const ListEntry* entry);

    std::array<std::vector<EntryPtr>, kPartCount + 1> m_masters;
    int m_kind = kAllKinds;
    EntryTable m_table;
};

} // namespace zeku
