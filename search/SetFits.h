#pragma once
// "What else fits this set?": the additional-skill candidates that one
// concrete set (a result, a favourite, the manual editor's set) can still
// activate when its jewels are placed again, keeping every wanted skill.
//
// The set's pieces count with all their points; jewels the condition fixed
// into the same weapon or piece stay; the other slots take any jewels of the
// wanted trees' and the candidate's tree's jewel lists, any number of each.
// With excluded skills on, the placement must leave every one inactive. The
// placement shown follows the exact search's rule (ExactJewelFit.h).

#include "data/MasterData.h"
#include "search/AddableCandidates.h"
#include "search/SearchCondition.h"

#include <atomic>
#include <vector>

namespace zeku {

struct SetFit {
    AddableCandidate candidate;
    // Per holder (parts head..leg, then the weapon): the jewels placed
    // besides the fixed ones.
    std::vector<const Jewel*> jewels[kHolderCount];
};

// The fitting candidates, in the order of addableCandidates(condition); only
// those decided before `cancel` (when given) turned non-zero.
std::vector<SetFit> fittingCandidates(const SearchCondition& condition, const EquipSet& set, const MasterData& master,
                                      const std::atomic<int>* cancel = nullptr);

} // namespace zeku
