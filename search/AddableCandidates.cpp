#include "search/AddableCandidates.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace zeku {
namespace {

// Positive and absolute points of one item in one tree, over all its entries:
// an upper bound whichever entries the search counts.
struct TreePoints {
    int32_t positive = 0;
    int32_t magnitude = 0;
};

TreePoints pointBoundsInTree(const std::vector<SkillPoint>& skills, uint16_t treeId)
{
    TreePoints out;
    for (const SkillPoint& p : skills) {
        if (p.treeId != treeId)
            continue;
        out.positive += std::max<int32_t>(0, p.points);
        out.magnitude += std::abs(static_cast<int32_t>(p.points));
    }
    return out;
}

} // namespace

std::vector<AddableCandidate> addableCandidates(const SearchCondition& base, const SkillCatalogue& skills)
{
    std::vector<const SkillTree*> trees;
    std::set<uint16_t> seen;
    for (const SkillTree& tree : skills.trees())
        if (seen.insert(tree.id).second)
            trees.push_back(&tree);
    std::stable_sort(trees.begin(), trees.end(), [](const SkillTree* a, const SkillTree* b) { return a->id < b->id; });

    std::vector<AddableCandidate> out;
    for (const SkillTree* tree : trees) {
        int32_t wantedIndex = -1;
        for (std::size_t i = 0; i < base.wanted.size(); ++i)
            if (base.wanted[i].treeId == tree->id)
                wantedIndex = static_cast<int32_t>(i);
        // A wanted tree can only be raised, and only from positive points.
        const int16_t floor = wantedIndex < 0 ? 0 : base.wanted[static_cast<std::size_t>(wantedIndex)].points;
        if (floor < 0)
            continue;
        std::vector<const SkillActivation*> skillsOfTree;
        for (const SkillActivation& a : tree->activations)
            if (a.threshold > floor)
                skillsOfTree.push_back(&a);
        std::stable_sort(
            skillsOfTree.begin(), skillsOfTree.end(),
            [](const SkillActivation* a, const SkillActivation* b) { return a->threshold < b->threshold; });
        for (std::size_t k = 0; k < skillsOfTree.size(); ++k) {
            const SkillActivation* skill = skillsOfTree[k];
            if (k > 0 && skillsOfTree[k - 1]->threshold == skill->threshold)
                continue;
            if (base.useExcludedSkills && base.excludedSkills.reachedBy(SkillPoint{tree->id, skill->threshold}))
                continue;
            AddableCandidate c;
            c.tree = tree;
            c.skill = skill;
            c.points = skill->threshold;
            c.kind = wantedIndex < 0 ? AddableKind::Add : AddableKind::Raise;
            c.wantedIndex = wantedIndex;
            out.push_back(c);
        }
    }
    return out;
}

SearchCondition candidateCondition(const SearchCondition& base, const AddableCandidate& candidate)
{
    SearchCondition changed(base);
    if (candidate.kind == AddableKind::Raise)
        changed.wanted[static_cast<std::size_t>(candidate.wantedIndex)].points = candidate.points;
    else
        changed.wanted.push_back(SkillPoint{candidate.tree->id, candidate.points});
    return changed;
}

bool highestReachable(const SearchCondition& base, const MasterData& master, uint16_t treeId, int32_t& highest)
{
    // Pieces: each part its best piece of the whole catalogue (filters only
    // take pieces away) or nothing; slots: the most any piece of the part has.
    int32_t fromPieces = 0, magnitude = 0;
    int32_t slots = base.fixed.weaponSlots().capacity;
    for (int part = 0; part < kPartCount; ++part) {
        int32_t best = 0, worst = 0, mostSlots = 0;
        auto consider = [&](const EquipItem& piece) {
            const TreePoints p = pointBoundsInTree(piece.skills, treeId);
            best = std::max(best, p.positive);
            worst = std::max(worst, p.magnitude);
            mostSlots = std::max<int32_t>(mostSlots, piece.slots);
        };
        for (const EquipItem& piece : master.equip(part).items())
            consider(piece);
        if (const EquipItem* fixed = base.fixed.piece(part))
            consider(*fixed);
        fromPieces += best;
        magnitude += worst;
        slots += mostSlots;
    }
    // Jewels: no jewel adds more per slot than the best ratio, fixed ones included.
    int32_t fromJewels = 0, jewelMagnitude = 0;
    for (const Jewel& jewel : master.jewels().items()) {
        const TreePoints p = pointBoundsInTree(jewel.skills, treeId);
        if (p.magnitude == 0)
            continue;
        if (jewel.slots == 0)
            return false;
        fromJewels = std::max(fromJewels, slots * p.positive / jewel.slots);
        jewelMagnitude = std::max(jewelMagnitude, slots * p.magnitude / jewel.slots + p.magnitude);
    }
    if (magnitude + jewelMagnitude >= kSafePointsMagnitude)
        return false;
    highest = fromPieces + fromJewels;
    return true;
}

} // namespace zeku
