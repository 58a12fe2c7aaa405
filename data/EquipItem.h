#pragma once
// Records of everything that can be worn or socketed: armour pieces, jewels
// and their skill points. Catalogues own them; everything else points at them.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

// Armour part, used as an index everywhere.
enum PartKind : int32_t { PartHead = 0, PartBody = 1, PartArm = 2, PartWaist = 3, PartLeg = 4 };
constexpr int kPartCount = 5;

// Where a jewel holder sits in a set: each part at its PartKind, then the
// weapon after them. Always written EquipPosition::Weapon.
enum EquipPosition : int32_t { Weapon = kPartCount };
// Arrays over every holder of a set, indexed by EquipPosition.
constexpr int kHolderCount = kPartCount + 1;
// The order in which holders are shown and listed: the weapon first, then the
// parts head to leg (result lines, explanations, the fixed pieces' list).
constexpr int32_t kWeaponFirstPositions[kHolderCount] = {
    EquipPosition::Weapon, PartHead, PartBody, PartArm, PartWaist, PartLeg};
// The row of `position` in a list in that order.
constexpr int weaponFirstRow(int32_t position)
{
    return position == EquipPosition::Weapon ? 0 : position + 1;
}

// Element resistance index.
enum ElementKind : int32_t { ElementFire = 0, ElementWater, ElementThunder, ElementIce, ElementDragon };
constexpr int kElementCount = 5;

// Sex code: 0 both, 1 male, 2 female. Job code: 0 both, 1 blade user, 2 gunner.
constexpr uint16_t kSexBoth = 0, kSexMale = 1, kSexFemale = 2;
constexpr uint16_t kJobBoth = 0, kJobBlade = 1, kJobGunner = 2;
// A wearer is male or female, a blade user or a gunner: the only codes a
// search condition holds ("both" is for pieces).
constexpr bool isWearerSex(uint16_t code)
{
    return code == kSexMale || code == kSexFemale;
}
constexpr bool isWearerJob(uint16_t code)
{
    return code == kJobBlade || code == kJobGunner;
}

// Points a piece or jewel adds to one skill tree.
struct SkillPoint {
    uint16_t treeId = 0;
    int16_t points = 0;
};

// Points totals are kept in 16 bits and wrap. A shortcut that adds points up
// (a bound, a table of sums) is trusted only while every sum stays below this
// magnitude: a margin inside the 16-bit range.
constexpr int32_t kSafePointsMagnitude = 32000;

// One armour piece. Pieces have no id: part, name and sex identify them.
struct EquipItem {
    PartKind part = PartHead;
    std::string name; // CP932
    uint16_t sex = 0;
    uint16_t rarity = 0;
    uint16_t defence = 0;
    uint16_t slots = 0;
    uint16_t job = 0;
    std::array<int16_t, kElementCount> resistance{};
    std::vector<SkillPoint> skills;
};

// One decoration, identified by name.
struct Jewel {
    std::string name; // CP932
    uint16_t rarity = 0;
    uint16_t slots = 0;
    std::vector<SkillPoint> skills;
};

// The first entry of `skills` for tree `treeId`, or nullptr.
inline const SkillPoint* pointsOf(const std::vector<SkillPoint>& skills, uint16_t treeId)
{
    for (const SkillPoint& p : skills)
        if (p.treeId == treeId)
            return &p;
    return nullptr;
}

// The points of every entry of `skills` for tree `treeId`, added up.
inline int32_t pointsInTree(const std::vector<SkillPoint>& skills, uint16_t treeId)
{
    int32_t sum = 0;
    for (const SkillPoint& p : skills)
        if (p.treeId == treeId)
            sum += p.points;
    return sum;
}

// A piece fits a search when its code is 0 or equals the search's.
constexpr bool codeFits(uint16_t itemCode, uint16_t searchCode)
{
    return itemCode == 0 || itemCode == searchCode;
}

} // namespace zeku
