#include "search/ExactJewelFit.h"

#include <algorithm>

namespace zeku {
namespace {

int32_t pointsInTree(const Jewel& jewel, uint16_t treeId)
{
    int32_t sum = 0;
    for (const SkillPoint& p : jewel.skills)
        if (p.treeId == treeId)
            sum += p.points;
    return sum;
}

} // namespace

ExactJewelFit::ExactJewelFit(const SearchCondition& condition, const PreparedSearch& prep, const WorkingSet& work)
    : m_condition(condition), m_prep(prep)
{
    // One goal per tree slot and direction: two wishes on the same total in
    // the same direction are one goal, the higher; opposite ones are two.
    for (std::size_t i = 0; i < condition.wanted.size(); ++i) {
        const int16_t threshold = condition.wanted[i].points;
        if (threshold == 0) {
            m_impossible = true;
            continue;
        }
        const int8_t direction = threshold > 0 ? 1 : -1;
        const int16_t slot = prep.slotOfWanted[i];
        const int32_t target = direction * int32_t{threshold};
        auto same = std::find_if(m_goals.begin(), m_goals.end(),
                                 [&](const Goal& g) { return g.treeSlot == slot && g.direction == direction; });
        if (same == m_goals.end())
            m_goals.push_back(Goal{slot, condition.wanted[i].treeId, direction, target});
        else
            same->target = std::max(same->target, target);
    }
    m_wantedGoals = m_goals.size();

    // The jewels the greedy fitting may choose from, each once.
    std::vector<bool> allowed(prep.jewels.size(), false);
    for (const SkillJewelList& list : prep.jewelLists)
        for (const JewelCandidate& c : list.candidates)
            allowed[static_cast<std::size_t>(c.jewel)] = true;
    for (std::size_t j = 0; j < allowed.size(); ++j)
        if (allowed[j])
            m_allowed.push_back(static_cast<int32_t>(j));

    m_missing.assign(m_goals.size(), 0);
    m_shownMissing.assign(m_goals.size(), 0);
    if (m_impossible)
        return; // no combination passes: nothing will ask
    m_largest = work.holder(kWeaponHolder).freeSlots();
    for (const CandidateGroup& group : prep.groups)
        m_largest = std::max(m_largest, group.capacity);

    std::vector<uint16_t> sizes;
    std::vector<int16_t> gains;
    for (int32_t j : m_allowed) {
        const PreparedJewel& jewel = prep.jewels[static_cast<std::size_t>(j)];
        sizes.push_back(jewel.slots);
        for (const Goal& goal : m_goals) {
            int32_t points = 0;
            for (const SlotPoints& p : jewel.wantedPoints)
                if (p.slot == goal.treeSlot)
                    points += p.points;
            gains.push_back(static_cast<int16_t>(goal.direction * points));
        }
    }
    m_solver = std::make_unique<PlacementSolver>(sizes, gains, m_goals.size(), m_largest);
    m_placed.reserve(static_cast<std::size_t>(PlacementSolver::kMaxHolders) * m_largest);
}

int ExactJewelFit::collectHolders(const WorkingSet& work, int skipPart)
{
    m_holderCount = 0;
    for (int h = 0; h < kHolderCount; ++h) {
        if (h == skipPart || !work.holderPresent(h) || work.holder(h).freeSlots() == 0)
            continue;
        m_holderIndex[m_holderCount] = h;
        m_holderSize[m_holderCount] = work.holder(h).freeSlots();
        ++m_holderCount;
    }
    // Most free slots first; equal ones keep head..leg, weapon order.
    for (int i = 1; i < m_holderCount; ++i)
        for (int k = i; k > 0 && m_holderSize[k - 1] < m_holderSize[k]; --k) {
            std::swap(m_holderSize[k - 1], m_holderSize[k]);
            std::swap(m_holderIndex[k - 1], m_holderIndex[k]);
        }
    return m_holderCount;
}

bool ExactJewelFit::passes(const WorkingSet& work, int skipPart)
{
    if (work.wantedSkillsMet())
        return true;
    if (m_impossible)
        return false;
    collectHolders(work, skipPart);
    for (std::size_t g = 0; g < m_wantedGoals; ++g)
        m_missing[g] = m_goals[g].target - m_goals[g].direction * int32_t{work.total(m_goals[g].treeSlot)};
    return m_solver->feasible(m_holderSize, m_holderCount, m_missing.data());
}

void ExactJewelFit::placeShown(WorkingSet& work)
{
    collectHolders(work, -1);
    for (std::size_t g = 0; g < m_wantedGoals; ++g)
        m_shownMissing[g] = m_goals[g].target - m_goals[g].direction * int32_t{work.total(m_goals[g].treeSlot)};
    if (work.wantedSkillsMet() || m_impossible)
        return; // the pieces do it alone: nothing to place
    if (!m_solver->place(m_holderSize, m_holderCount, m_shownMissing.data(), m_placed, m_ends))
        return;
    int32_t begin = 0;
    for (int h = 0; h < m_holderCount; ++h) {
        for (int32_t i = begin; i < m_ends[h]; ++i)
            work.placeJewel(m_holderIndex[h],
                            m_allowed[static_cast<std::size_t>(m_placed[static_cast<std::size_t>(i)])]);
        begin = m_ends[h];
    }
}

void ExactJewelFit::buildAvoidingSolver()
{
    // The wanted goals, then per excluded skill the limit that keeps it
    // inactive: below a positive threshold, above a negative one.
    for (const SkillActivation& excluded : m_condition.excludedSkills.entries()) {
        if (excluded.threshold > 0)
            m_goals.push_back(Goal{-1, excluded.treeId, -1, 1 - int32_t{excluded.threshold}});
        else if (excluded.threshold < 0)
            m_goals.push_back(Goal{-1, excluded.treeId, 1, int32_t{excluded.threshold} + 1});
    }
    std::vector<uint16_t> sizes;
    std::vector<int16_t> gains;
    for (int32_t j : m_allowed) {
        const PreparedJewel& jewel = m_prep.jewels[static_cast<std::size_t>(j)];
        sizes.push_back(jewel.slots);
        for (std::size_t g = 0; g < m_goals.size(); ++g) {
            int32_t points = 0;
            if (g < m_wantedGoals) {
                for (const SlotPoints& p : jewel.wantedPoints)
                    if (p.slot == m_goals[g].treeSlot)
                        points += p.points;
            } else {
                points = pointsInTree(*jewel.jewel, m_goals[g].treeId);
            }
            gains.push_back(static_cast<int16_t>(m_goals[g].direction * points));
        }
    }
    m_avoiding = std::make_unique<PlacementSolver>(sizes, gains, m_goals.size(), m_largest);
    m_missing.assign(m_goals.size(), 0);
}

const EquipSet* ExactJewelFit::placementAvoiding(const EquipSet& shown, const WorkingSet& work)
{
    if (!m_avoiding)
        buildAvoidingSolver();
    // The wanted goals as the combination had them; the excluded ones on the
    // set's full totals without the jewels the search placed.
    std::copy(m_shownMissing.begin(), m_shownMissing.begin() + static_cast<std::ptrdiff_t>(m_wantedGoals),
              m_missing.begin());
    for (std::size_t g = m_wantedGoals; g < m_goals.size(); ++g) {
        int32_t total = shown.totals().valueOf(m_goals[g].treeId);
        for (int h = 0; h < kHolderCount; ++h)
            for (int32_t j : work.holder(h).placed)
                total -= pointsInTree(*m_prep.jewels[static_cast<std::size_t>(j)].jewel, m_goals[g].treeId);
        m_missing[g] = m_goals[g].target - m_goals[g].direction * total;
    }
    if (!m_avoiding->place(m_holderSize, m_holderCount, m_missing.data(), m_placed, m_ends))
        return nullptr;

    // The set again, each holder with its fixed jewels and the new ones.
    auto jewelsOf = [&](int holder) -> const std::vector<const Jewel*>& {
        m_jewelBuffer.clear();
        if (const std::vector<const Jewel*>* fixed = work.holder(holder).fixedJewels)
            m_jewelBuffer.assign(fixed->begin(), fixed->end());
        int32_t begin = 0;
        for (int h = 0; h < m_holderCount; ++h) {
            if (m_holderIndex[h] == holder)
                for (int32_t i = begin; i < m_ends[h]; ++i)
                    m_jewelBuffer.push_back(
                        m_prep
                            .jewels[static_cast<std::size_t>(
                                m_allowed[static_cast<std::size_t>(m_placed[static_cast<std::size_t>(i)])])]
                            .jewel);
            begin = m_ends[h];
        }
        return m_jewelBuffer;
    };
    m_avoidingSet.clear();
    m_avoidingSet.setWeapon(shown.weapon());
    m_avoidingSet.addWeaponJewels(jewelsOf(kWeaponHolder));
    for (int part = 0; part < kPartCount; ++part) {
        if (!shown.piece(part))
            continue;
        m_avoidingSet.setPiece(part, shown.piece(part));
        m_avoidingSet.addPieceJewels(part, jewelsOf(part));
    }
    return &m_avoidingSet;
}

} // namespace zeku
