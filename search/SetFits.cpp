#include "search/SetFits.h"

#include "search/PlacementSolver.h"

#include <algorithm>

namespace zeku {
namespace {

constexpr int kWeapon = kPartCount;

int sign(int v)
{
    return (v > 0) - (v < 0);
}

int32_t pointsInTree(const std::vector<SkillPoint>& skills, uint16_t treeId)
{
    int32_t sum = 0;
    for (const SkillPoint& p : skills)
        if (p.treeId == treeId)
            sum += p.points;
    return sum;
}

// The jewels the search for `c` may place: a slot size, not excluded, and
// moving some wanted tree the wanted way (the first wish on a tree decides).
std::vector<const Jewel*> allowedJewels(const SearchCondition& c, const MasterData& master)
{
    std::vector<const Jewel*> allowed;
    for (const Jewel& jewel : master.jewels().items()) {
        if (jewel.slots == 0 || (c.useExcludedItems && c.excludedItems.containsJewelName(jewel.name)))
            continue;
        const bool serves = std::any_of(jewel.skills.begin(), jewel.skills.end(), [&](const SkillPoint& p) {
            auto wish = std::find_if(c.wanted.begin(), c.wanted.end(),
                                     [&](const SkillPoint& w) { return w.treeId == p.treeId; });
            return wish != c.wanted.end() && sign(p.points) != 0 && sign(p.points) == sign(wish->points);
        });
        if (serves)
            allowed.push_back(&jewel);
    }
    return allowed;
}

struct Goal {
    uint16_t treeId;
    int direction;
    int32_t target;
};

} // namespace

std::vector<SetFit> fittingCandidates(const SearchCondition& condition, const EquipSet& set, const MasterData& master,
                                      const std::atomic<int>* cancel)
{
    // The set without the jewels that may move: pieces and fixed jewels.
    const EquipSet& fixed = condition.fixed;
    EquipSet bare;
    std::vector<const Jewel*> fixedJewels[kPartCount + 1];
    if (set.weapon() && set.weapon() == fixed.weapon())
        fixedJewels[kWeapon] = fixed.weaponSlots().jewels;
    bare.setWeapon(set.weapon());
    bare.addWeaponJewels(fixedJewels[kWeapon]);
    for (int part = 0; part < kPartCount; ++part) {
        if (!set.piece(part))
            continue;
        if (set.piece(part) == fixed.piece(part))
            fixedJewels[part] = fixed.pieceSlots(part).jewels;
        bare.setPiece(part, set.piece(part));
        bare.addPieceJewels(part, fixedJewels[part]);
    }
    // Holders with free slots, most first (equal ones head..leg, weapon).
    int holders[kPartCount + 1];
    uint16_t sizes[kPartCount + 1];
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
        addHolder(kWeapon, bare.weaponSlots());
    for (int i = 1; i < count; ++i)
        for (int k = i; k > 0 && sizes[k - 1] < sizes[k]; --k) {
            std::swap(sizes[k - 1], sizes[k]);
            std::swap(holders[k - 1], holders[k]);
        }

    std::vector<SetFit> out;
    std::vector<int32_t> placed;
    int32_t ends[PlacementSolver::kMaxHolders] = {};
    for (const AddableCandidate& candidate : addableCandidates(condition, master.skills())) {
        if (cancel && cancel->load())
            break;
        const SearchCondition changed = candidateCondition(condition, candidate);
        std::vector<Goal> goals;
        bool impossible = false;
        for (const SkillPoint& w : changed.wanted) {
            if (w.points == 0) {
                impossible = true;
                break;
            }
            const int direction = w.points > 0 ? 1 : -1;
            auto same = std::find_if(goals.begin(), goals.end(),
                                     [&](const Goal& g) { return g.treeId == w.treeId && g.direction == direction; });
            if (same == goals.end())
                goals.push_back(Goal{w.treeId, direction, direction * int32_t{w.points}});
            else
                same->target = std::max(same->target, direction * int32_t{w.points});
        }
        if (impossible)
            continue;
        if (changed.useExcludedSkills)
            for (const SkillActivation& e : changed.excludedSkills.entries()) {
                if (e.threshold > 0)
                    goals.push_back(Goal{e.treeId, -1, 1 - int32_t{e.threshold}});
                else if (e.threshold < 0)
                    goals.push_back(Goal{e.treeId, 1, int32_t{e.threshold} + 1});
            }
        const std::vector<const Jewel*> allowed = allowedJewels(changed, master);
        std::vector<uint16_t> jewelSizes;
        std::vector<int16_t> gains;
        for (const Jewel* jewel : allowed) {
            jewelSizes.push_back(jewel->slots);
            for (const Goal& g : goals)
                gains.push_back(static_cast<int16_t>(g.direction * pointsInTree(jewel->skills, g.treeId)));
        }
        std::vector<int32_t> missing;
        for (const Goal& g : goals)
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
