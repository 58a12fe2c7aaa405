#pragma once
// The additional-skill search's question, "what else can I still get on top
// of these skills?", as a list of candidates: every activated skill of the
// catalogue with a threshold above 0 that could be added to the wanted list
// (a tree not wanted yet) or could raise a wanted tree's points. A candidate is
// addable when the search with its changed condition stores a result.

#include "data/MasterData.h"
#include "search/SearchCondition.h"

#include <cstdint>
#include <vector>

namespace zeku {

enum class AddableKind : int32_t {
    Add = 0, // the tree is not wanted: (tree, points) is appended
    Raise = 1, // the tree is wanted below these points: its points are replaced
};

struct AddableCandidate {
    const SkillTree* tree = nullptr; // the first catalogue tree with the id
    const SkillActivation* skill = nullptr; // the activated skill the points reach
    int16_t points = 0; // the skill's threshold
    AddableKind kind = AddableKind::Add;
    int32_t wantedIndex = -1; // Raise: the wanted entry it replaces
};

// Every candidate for `base`, by tree id and then threshold. A tree id that
// appears twice counts once, as its first tree; two activations with the same
// threshold are one candidate (the first). With the excluded-skill switch on,
// a candidate the excluded-skill check would refuse is left out.
std::vector<AddableCandidate> addableCandidates(const SearchCondition& base, const SkillCatalogue& skills);

// `base` with the candidate's change to its wanted list.
SearchCondition candidateCondition(const SearchCondition& base, const AddableCandidate& candidate);

// The most points tree `treeId` can reach in any set the search for `base`
// could build: per part the most any piece adds (or nothing), plus every
// possible slot filled with the jewel that adds the most per slot. Returns
// false when no such bound holds (a jewel without slots adds points, or the
// totals could leave the 16-bit range and wrap).
bool highestReachable(const SearchCondition& base, const MasterData& master, uint16_t treeId, int32_t& highest);

} // namespace zeku
