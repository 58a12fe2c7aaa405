#pragma once
// Columns shared by the armour, jewel and weapon lists, whose rows are
// ListEntry references into the catalogues.

#include "data/SkillCatalogue.h"
#include "ui/lists/DataListTable.h"
#include "ui/lists/ListEntry.h"

#include <vector>

namespace zeku {

using EntryTable = DataListTable<const ListEntry*>;

// Column-group bits of the catalogue lists.
constexpr uint32_t kGroupRarity = 0x02;
constexpr uint32_t kGroupName = 0x04;
constexpr uint32_t kGroupDefence = 0x08;
constexpr uint32_t kGroupResistance = 0x10;
constexpr uint32_t kGroupSlots = 0x20;
constexpr uint32_t kGroupSkills = 0x40;

// Black on white for even rows, black on lavender for odd rows.
CellColors oddRowShadedColors(int row);

// Rarity, then name: the order of the item masters.
int compareRarityThenName(const ListEntry& a, const ListEntry& b);
// First skill point, then name: the order of the jewel master.
int compareFirstSkillThenName(const ListEntry& a, const ListEntry& b);

// "ﾚｱ": rarity "%d"; sorts by rarity, then name.
void addRarityColumn(EntryTable& table);
// "名称" of `width`; sorts by name.
void addNameColumn(EntryTable& table, int width);
// "ｽﾛｯﾄ" L 60: `mark` once per slot; sorts by slot count, then name.
void addSlotColumn(EntryTable& table, const QString& mark);
// "ｽｷﾙ1" … "ｽｷﾙ<count>" L 110: the k-th skill point of the entry; red when
// negative, highlighted when positive and its tree is in `*filterTrees`.
void addSkillColumns(EntryTable& table, int count, const SkillCatalogue& skills,
                     const std::vector<uint16_t>* filterTrees);

} // namespace zeku
