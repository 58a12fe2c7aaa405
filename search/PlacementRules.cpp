#include "search/PlacementRules.h"

#include <algorithm>
#include <utility>

namespace zeku {
namespace {

int signOf(int v)
{
    return (v > 0) - (v < 0);
}

} // namespace

bool jewelServesTree(const Jewel& jewel, const std::vector<SkillPoint>& wanted, uint16_t treeId)
{
    const auto wish =
        std::find_if(wanted.begin(), wanted.end(), [&](const SkillPoint& w) { return w.treeId == treeId; });
    if (wish == wanted.end())
        return false;
    return std::any_of(jewel.skills.begin(), jewel.skills.end(), [&](const SkillPoint& p) {
        return p.treeId == treeId && signOf(p.points) != 0 && signOf(p.points) == signOf(wish->points);
    });
}

bool jewelMayBePlaced(const Jewel& jewel, const SearchCondition& condition)
{
    if (jewel.slots == 0 || (condition.useExcludedItems && condition.excludedItems.containsJewelName(jewel.name)))
        return false;
    return std::any_of(jewel.skills.begin(), jewel.skills.end(),
                       [&](const SkillPoint& p) { return jewelServesTree(jewel, condition.wanted, p.treeId); });
}

bool wantedGoals(const std::vector<SkillPoint>& wanted, std::vector<PlacementGoal>& goals)
{
    bool possible = true;
    for (const SkillPoint& w : wanted) {
        if (w.points == 0) {
            possible = false;
            continue;
        }
        const int direction = w.points > 0 ? 1 : -1;
        const int32_t target = direction * int32_t{w.points};
        auto same = std::find_if(goals.begin(), goals.end(), [&](const PlacementGoal& g) {
            return g.treeId == w.treeId && g.direction == direction;
        });
        if (same == goals.end())
            goals.push_back(PlacementGoal{w.treeId, direction, target});
        else
            same->target = std::max(same->target, target);
    }
    return possible;
}

void appendExcludedGoals(const ExcludedSkillList& excluded, std::vector<PlacementGoal>& goals)
{
    for (const SkillActivation& e : excluded.entries()) {
        if (e.threshold > 0)
            goals.push_back(PlacementGoal{e.treeId, -1, 1 - int32_t{e.threshold}});
        else if (e.threshold < 0)
            goals.push_back(PlacementGoal{e.treeId, 1, int32_t{e.threshold} + 1});
    }
}

void orderHoldersForPlacement(int* positions, uint16_t* sizes, int count)
{
    for (int i = 1; i < count; ++i)
        for (int k = i; k > 0 && sizes[k - 1] < sizes[k]; --k) {
            std::swap(sizes[k - 1], sizes[k]);
            std::swap(positions[k - 1], positions[k]);
        }
}

} // namespace zeku
