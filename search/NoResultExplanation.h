#pragma once
// Why a search stores no result, as two answers built on the condition alone:
//
// - the reach of each wanted skill: the most points (the fewest, for a wanted
//   bad skill) its tree can total on its own in any set the search could build,
//   the other wanted skills, the minimum defence and the S parts aside;
// - the single changes to the condition worth trying, in a fixed order; which
//   of them really find sets is decided by searching (NoResultExplainThread.h).

#include "data/MasterData.h"
#include "search/SearchCondition.h"

#include <cstdint>
#include <vector>

namespace zeku {

struct SkillReach {
    uint16_t treeId = 0;
    int16_t wanted = 0;
    int32_t reach = 0;
    bool met = false; // the reach is at or beyond the wanted points
};

// Per wanted skill, in wanted-list order. Each part holds its fixed piece (with
// its fixed jewels), or any one piece of the part's candidate groups, or
// nothing; the fixed weapon's jewels count; with jewels on, every free slot of
// the weapon and of the chosen pieces may hold any jewels of the tree's jewel
// list. A piece adds its first entry for the tree, as the search counts it; a
// jewel adds all of its entries. Throws std::bad_alloc.
std::vector<SkillReach> skillReaches(const SearchCondition& condition, const MasterData& master);

enum class ChangeKind : int32_t {
    Drop, // drop wanted entry wantedIndex
    Lower, // lower wanted entry wantedIndex to points
    SwitchOff, // switch off which
    MinDefence, // minimum defence to 0
    Rarity, // rarity filter to "全て"
    JewelsOn,
    ExactJewelsOn, // exact jewel fitting on
    UnfixPiece, // take the fixed piece of holder out, with its jewels
    UnfixJewels, // take the fixed jewels of holder out, keeping the piece
};

enum class ConditionSwitch : int32_t { ExcludedItems, ExcludedSkills, SParts };

struct ConditionChange {
    ChangeKind kind = ChangeKind::Drop;
    int32_t wantedIndex = -1; // Drop, Lower
    uint16_t treeId = 0; // Drop, Lower
    int16_t points = 0; // Lower: the new points
    int16_t wantedPoints = 0; // Drop, Lower: the points wanted before
    ConditionSwitch which = ConditionSwitch::ExcludedItems; // SwitchOff
    int32_t holder = EquipPosition::Weapon; // UnfixPiece, UnfixJewels: an EquipPosition
};

// The single changes that apply to `condition`, in this order: drop a wanted
// skill (when more than one is wanted); lower a wanted skill to the nearest
// threshold of its tree strictly between its points and 0; switch off the
// excluded items, the excluded skills, the S-part requirement; minimum defence
// to 0; rarity to "全て"; jewels on; exact jewel fitting on; unfix each fixed
// piece (weapon first); unfix the jewels of each holder that has fixed jewels.
std::vector<ConditionChange> singleChanges(const SearchCondition& condition, const SkillCatalogue& skills);

// `condition` with `change` applied; nothing else differs.
SearchCondition changedCondition(const SearchCondition& condition, const ConditionChange& change);

} // namespace zeku
