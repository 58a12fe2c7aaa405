#pragma once
// The armour pieces of one part, the jewels, and the three weapon-slot items.

#include "data/EquipItem.h"
#include "data/LoadResult.h"

#include <filesystem>
#include <vector>

namespace zeku {

// Pieces of one part in file order, with the largest skill count of a piece.
class EquipCatalogue {
public:
    explicit EquipCatalogue(PartKind part = PartHead) : m_part(part) {}

    // Reads one Equip*.xml file. On failure the catalogue stays empty.
    LoadResult load(const std::filesystem::path& file);

    PartKind part() const { return m_part; }
    const std::vector<EquipItem>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    int mostSkillsOnOnePiece() const { return m_mostSkills; }

    // For tests and generated data: appends a piece as a load would.
    void addItem(EquipItem item);

private:
    PartKind m_part;
    std::vector<EquipItem> m_items;
    int m_mostSkills = 0;
};

// Jewels in file order, with the largest skill count of a jewel.
class JewelCatalogue {
public:
    LoadResult load(const std::filesystem::path& file);

    const std::vector<Jewel>& items() const { return m_items; }
    std::size_t size() const { return m_items.size(); }
    int mostSkillsOnOneJewel() const { return m_mostSkills; }

    void addItem(Jewel jewel);

private:
    std::vector<Jewel> m_items;
    int m_mostSkills = 0;
};

// A weapon stands in the search only as its number of decoration slots.
struct WeaponSlotItem {
    std::string name; // CP932, "武器スロット１" … "武器スロット３"
    uint16_t slots = 0;
};

// Exactly three items, for one, two and three slots, in that order.
class WeaponSlotList {
public:
    WeaponSlotList();
    const std::vector<WeaponSlotItem>& items() const { return m_items; }
    // The item with `slots` slots, or nullptr (0 or more than 3).
    const WeaponSlotItem* forSlots(uint16_t slots) const;

private:
    std::vector<WeaponSlotItem> m_items;
};

} // namespace zeku
