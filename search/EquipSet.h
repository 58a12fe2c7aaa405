#pragma once
// An equipment set: weapon-slot item and five pieces, each with the jewels set
// into it, and the skill totals of everything worn. It is both the fixed set of
// a search condition and the record of one search result.

#include "data/EquipCatalogue.h"
#include "data/SkillCatalogue.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zeku {

// Per-tree point totals with a flag that is set whenever an entry changes.
class SkillTotals {
public:
    // Creates the entry at 0 if missing and adds (16-bit, wrapping).
    void add(const SkillPoint& p);
    // Changes the entry only when it exists.
    void subtract(const SkillPoint& p);
    void clear();

    const TreeTotals& values() const { return m_values; }
    // The total of `treeId`, 0 when absent.
    int16_t valueOf(uint16_t treeId) const;
    bool changed() const { return m_changed; }
    void clearChanged() const { m_changed = false; }

private:
    TreeTotals m_values;
    mutable bool m_changed = false;
};

// The jewels set into one holder (weapon or piece), in placing order.
struct JewelSlots {
    std::vector<const Jewel*> jewels;
    uint16_t capacity = 0;
    uint16_t used = 0; // sum of the listed jewels' slot sizes

    uint16_t freeSlots() const { return static_cast<uint16_t>(capacity - used); }
    void clear()
    {
        jewels.clear();
        used = 0;
    }
};

// Keeps the totals equal to the sum of all pieces and all placed jewels.
class EquipSet {
public:
    EquipSet() = default;
    EquipSet(const EquipSet& other) { copyFrom(other); }
    EquipSet& operator=(const EquipSet& other)
    {
        if (this != &other)
            copyFrom(other);
        return *this;
    }

    // Back to the empty set: no weapon, no pieces, no jewels, empty totals.
    void clear();

    const WeaponSlotItem* weapon() const { return m_weapon; }
    const JewelSlots& weaponSlots() const { return m_weaponSlots; }
    const EquipItem* piece(int part) const { return m_pieces[part]; }
    const JewelSlots& pieceSlots(int part) const { return m_pieceSlots[part]; }
    const SkillTotals& totals() const { return m_totals; }

    // Replaces the weapon; its jewels are taken out.
    void setWeapon(const WeaponSlotItem* weapon);
    // Refused as a whole (false) when the list needs more slots than are free;
    // otherwise each jewel that still fits is appended.
    bool addWeaponJewels(const std::vector<const Jewel*>& jewels);
    // A list of one jewel, without building the list.
    bool addWeaponJewel(const Jewel* jewel) { return addJewels(m_weaponSlots, &jewel, 1); }
    // Replaces the piece of `part`; the old piece's jewels are taken out.
    void setPiece(int part, const EquipItem* piece);
    bool addPieceJewels(int part, const std::vector<const Jewel*>& jewels);
    bool addPieceJewel(int part, const Jewel* jewel) { return addJewels(m_pieceSlots[part], &jewel, 1); }
    // Rebuilds this set from `source` through the operations above.
    void copyFrom(const EquipSet& source);

    // Derived values (unsigned 16-bit, wrapping).
    uint16_t totalDefence() const;
    uint16_t totalSlots() const;
    uint16_t usedSlots() const;
    uint16_t freeSlots() const;
    // Number of trees whose total activates a skill; cached until totals change.
    uint16_t activatedSkillCount(const SkillCatalogue& skills) const;

private:
    bool addJewels(JewelSlots& slots, const Jewel* const* jewels, std::size_t count);
    void subtractJewels(const JewelSlots& slots);

    const WeaponSlotItem* m_weapon = nullptr;
    JewelSlots m_weaponSlots;
    std::array<const EquipItem*, kPartCount> m_pieces{};
    std::array<JewelSlots, kPartCount> m_pieceSlots{};
    mutable uint16_t m_activatedSkillCount = 0;
    SkillTotals m_totals;
};

} // namespace zeku
