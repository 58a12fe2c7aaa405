#pragma once
// The rules every placement of jewels shares: the search's exact fitting,
// the additional-skill fits and the "why nothing fits" reaches. Which jewels
// may be placed, what the placement must reach (its goals), and in which
// order the holders are filled.

#include "data/EquipItem.h"
#include "search/SearchCondition.h"

#include <cstdint>
#include <vector>

namespace zeku {

// A jewel the search may place for the wanted tree `treeId`: one of its
// entries on that tree moves it the way the first wish on the tree asks.
bool jewelServesTree(const Jewel& jewel, const std::vector<SkillPoint>& wanted, uint16_t treeId);

// A jewel the search for `condition` may place at all: it takes a slot, is not
// excluded, and serves some wanted tree.
bool jewelMayBePlaced(const Jewel& jewel, const SearchCondition& condition);

// What the placement must reach on one tree: direction * total >= target.
struct PlacementGoal {
    uint16_t treeId = 0;
    int direction = 1; // +1 raise, -1 lower
    int32_t target = 0;
};

// The goals of the wanted skills, in the order of their first wish: one per
// tree and direction (two wishes on a tree in the same direction are one goal,
// the higher; opposite ones are two). False when a wish of 0 points, which no
// total meets, makes every placement fail; the other goals are given even then.
bool wantedGoals(const std::vector<SkillPoint>& wanted, std::vector<PlacementGoal>& goals);

// Appends per excluded skill the limit that keeps it inactive: below a
// positive threshold, above a negative one.
void appendExcludedGoals(const ExcludedSkillList& excluded, std::vector<PlacementGoal>& goals);

// Puts `count` holders (`positions` and their free slots `sizes`, collected
// head..leg, then the weapon) in the order the placement fills them: most
// free slots first, equal ones keeping the order they came in.
void orderHoldersForPlacement(int* positions, uint16_t* sizes, int count);

} // namespace zeku
