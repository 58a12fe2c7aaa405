#include "search/SetFits.h"

#include "search/PlacementRules.h"
#include "search/PlacementSolver.h"

#include <algorithm>

namespace zeku {

std::vector<SetFit> fittingCandidates(const SearchCondition& condition, const EquipSet& set, const MasterData& master,
                                      const std::atomic<int>* cancel)
{
    // The set without the jewels that may move: pieces and fixed jewels.
    const EquipSet& fixed = condition.fixed;
    EquipSet bare;
    std::vector<const Jewel*> fixedJewels[kHolderCount];
    if (set.weapon() && set.weapon() == fixed.weapon())
        fixedJewels[EquipPosition::Weapon] = fixed.weaponSlots().jewels;
    bare.setWeapon(set.weapon());
    bare.addWeaponJewels(fixedJewels[EquipPosition::Weapon]);
    for (int part = 0; part < kPartCount; ++part) {
        if (!set.piece(part))
            continue;
        if (set.piece(part) == fixed.piece(part))
            fixedJewels[part] = fixed.pieceSlots(part).jewels;
        bare.setPiece(part, set.piece(part));
        bare.addPieceJewels(part, fixedJewels[part]);
    }
    // Holders with free slots, in the order the placement fills them.
    int holders[kHolderCount];
    uint16_t sizes[kHolderCount];
    int count = 0;
    uint16_t largest = 0;
    auto addHolder = [&](int holder, const JewelSlots& slots) {
        if (slots.freeSlots() == 0)
            return;
        holders[count] = holder;
        sizes[count] = slots.freeSlots();
        largest = std::max(largest, sizes[count]);
        ++count;
    };
    for (int part = 0; part < kPartCount; ++part)
        if (bare.piece(part))
            addHolder(part, bare.pieceSlots(part));
    if (bare.weapon())
        addHolder(EquipPosition::Weapon, bare.weaponSlots());
    orderHoldersForPlacement(holders, sizes, count);

    std::vector<SetFit> out;
    std::vector<int32_t> placed;
    int32_t ends[PlacementSolver::kMaxHolders] = {};
    for (const AddableCandidate& candidate : addableCandidates(condition, master.skills())) {
        if (cancel && cancel->load())
            break;
        const SearchCondition changed = candidateCondition(condition, candidate);
        std::vector<PlacementGoal> goals;
        if (!wantedGoals(changed.wanted, goals))
            continue;
        if (changed.useExcludedSkills)
            appendExcludedGoals(changed.excludedSkills, goals);
        std::vector<const Jewel*> allowed;
        for (const Jewel& jewel : master.jewels().items())
            if (jewelMayBePlaced(jewel, changed))
                allowed.push_back(&jewel);
        std::vector<uint16_t> jewelSizes;
        std::vector<int16_t> gains;
        for (const Jewel* jewel : allowed) {
            jewelSizes.push_back(jewel->slots);
            for (const PlacementGoal& g : goals)
                gains.push_back(static_cast<int16_t>(g.direction * pointsInTree(jewel->skills, g.treeId)));
        }
        std::vector<int32_t> missing;
        for (const PlacementGoal& g : goals)
            missing.push_back(g.target - g.direction * int32_t{bare.totals().valueOf(g.treeId)});
        PlacementSolver solver(jewelSizes, gains, goals.size(), largest);
        if (!solver.place(sizes, count, missing.data(), placed, ends))
            continue;
        SetFit fit;
        fit.candidate = candidate;
        int32_t begin = 0;
        for (int h = 0; h < count; ++h) {
            for (int32_t i = begin; i < ends[h]; ++i)
                fit.jewels[holders[h]].push_back(
                    allowed[static_cast<std::size_t>(placed[static_cast<std::size_t>(i)])]);
            begin = ends[h];
        }
        out.push_back(std::move(fit));
    }
    return out;
}

} // namespace zeku
