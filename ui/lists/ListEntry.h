#pragma once
// The row of the item lists: a reference to a catalogue record (armour piece,
// jewel or weapon-slot item) and, in the two-list editors, its sequence
// number and kind.

#include "data/EquipCatalogue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

struct ListEntry {
    static constexpr int32_t kArmour = 0;
    static constexpr int32_t kJewel = 1;

    int32_t number = 0; // position + 1 in its master when created (item editors only)
    int32_t kind = kArmour; // kArmour or kJewel (item editors only)
    const EquipItem* piece = nullptr;
    const Jewel* jewel = nullptr;
    const WeaponSlotItem* weapon = nullptr;

    const std::string& name() const { return piece ? piece->name : jewel ? jewel->name : weapon->name; }
    uint16_t rarity() const { return piece ? piece->rarity : jewel ? jewel->rarity : 0; }
    uint16_t slots() const { return piece ? piece->slots : jewel ? jewel->slots : weapon->slots; }
    // The skill points of the piece or jewel (none for a weapon-slot item).
    const std::vector<SkillPoint>& skills() const
    {
        static const std::vector<SkillPoint> kNone;
        return piece ? piece->skills : jewel ? jewel->skills : kNone;
    }
};

} // namespace zeku
