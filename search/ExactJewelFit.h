#pragma once
// The exact test of a combination, the search's second way of judging jewels
// beside the greedy fitting: a combination passes when some placement of
// jewels into its free slots meets every wanted threshold.
//
// Holders are the fixed weapon's free slots and each group's free slots (a
// fixed piece's fixed jewels stay). The jewels allowed are those of the
// wanted trees' jewel lists; each may be used any number of times, and all of
// its points in the wanted trees count, negative ones too. Combinations with
// empty parts may use the holders they have.
//
// The shown placement is deterministic: holders with the most free slots
// first (equal ones head to leg, then the weapon), see PlacementSolver for
// how each is filled. With excluded skills on, a concrete set keeps that
// placement when it leaves every excluded skill inactive; otherwise the same
// rule is applied with the excluded skills' limits added to the goals, and
// the set is refused when no placement meets them all.

#include "search/PlacementSolver.h"
#include "search/SearchCondition.h"
#include "search/WorkingSet.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zeku {

class ExactJewelFit {
public:
    // `work` is the search's working set: its holders as built from the
    // condition's fixed set (the groups come and go).
    ExactJewelFit(const SearchCondition& condition, const PreparedSearch& prep, const WorkingSet& work);

    // Whether some placement meets every wanted threshold, for the working
    // set as it stands (nothing placed by the search); `skipPart` leaves that
    // part's holder out (its points must already be out of the totals).
    bool passes(const WorkingSet& work, int skipPart = -1);

    // Places the shown placement into the working set, whose combination passes.
    void placeShown(WorkingSet& work);

    // A concrete set (`shown`, built from the working set after placeShown)
    // activates an excluded skill: the same set with a placement that keeps
    // every excluded skill inactive and meets every wanted threshold, or
    // nullptr when there is none. The set returned lives until the next call.
    const EquipSet* placementAvoiding(const EquipSet& shown, const WorkingSet& work);

private:
    struct Goal {
        int16_t treeSlot; // wanted goals: tree slot; excluded goals: -1
        uint16_t treeId;
        int8_t direction; // +1 raise, -1 lower
        int32_t target; // direction * total must reach this
    };

    // Holders with free slots, in the order the placement fills them.
    int collectHolders(const WorkingSet& work, int skipPart);
    void buildAvoidingSolver();

    const SearchCondition& m_condition;
    const PreparedSearch& m_prep;
    bool m_impossible = false; // a wanted threshold no total can meet
    std::vector<Goal> m_goals; // wanted goals, then (for the avoiding solver) excluded ones
    std::size_t m_wantedGoals = 0;
    std::vector<int32_t> m_allowed; // prepared jewel indices, catalogue order
    uint16_t m_largest = 0;
    std::unique_ptr<PlacementSolver> m_solver;
    std::unique_ptr<PlacementSolver> m_avoiding; // built on first need

    int m_holderCount = 0;
    int m_holderIndex[PlacementSolver::kMaxHolders] = {};
    uint16_t m_holderSize[PlacementSolver::kMaxHolders] = {};
    std::vector<int32_t> m_missing; // per goal
    std::vector<int32_t> m_shownMissing; // wanted goals of the combination last placed
    std::vector<int32_t> m_placed; // solver's jewel positions per holder
    int32_t m_ends[PlacementSolver::kMaxHolders] = {};
    EquipSet m_avoidingSet;
    std::vector<const Jewel*> m_jewelBuffer;
};

} // namespace zeku
