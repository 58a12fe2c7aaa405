#include "search/ExactJewelFit.h"

#include "search/PlacementRules.h"

#include <algorithm>

namespace zeku {

ExactJewelFit::ExactJewelFit(const SearchCondition& condition, const PreparedSearch& prep, const WorkingSet& work)
    : m_condition(condition), m_prep(prep)
{
    // The wanted goals, each on the tree slot of its tree.
    std::vector<PlacementGoal> wanted;
    m_impossible = !wantedGoals(condition.wanted, wanted);
    for (const PlacementGoal& goal : wanted) {
        const auto first = std::find_if(condition.wanted.begin(), condition.wanted.end(),
                                        [&](const SkillPoint& w) { return w.treeId == goal.treeId; });
        const int16_t slot = prep.slotOfWanted[static_cast<std::size_t>(first - condition.wanted.begin())];
        m_goals.push_back(Goal{slot, goal.treeId, static_cast<int8_t>(goal.direction), goal.target});
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
    m_largest = work.holder(EquipPosition::Weapon).freeSlots();
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
    orderHoldersForPlacement(m_holderIndex, m_holderSize, m_holderCount);
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
    std::vector<PlacementGoal> excluded;
    appendExcludedGoals(m_condition.excludedSkills, excluded);
    for (const PlacementGoal& goal : excluded)
        m_goals.push_back(Goal{-1, goal.treeId, static_cast<int8_t>(goal.direction), goal.target});
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
                points = pointsInTree(jewel.jewel->skills, m_goals[g].treeId);
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
                total -= pointsInTree(m_prep.jewels[static_cast<std::size_t>(j)].jewel->skills, m_goals[g].treeId);
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
    m_avoidingSet.addWeaponJewels(jewelsOf(EquipPosition::Weapon));
    for (int part = 0; part < kPartCount; ++part) {
        if (!shown.piece(part))
            continue;
        m_avoidingSet.setPiece(part, shown.piece(part));
        m_avoidingSet.addPieceJewels(part, jewelsOf(part));
    }
    return &m_avoidingSet;
}

} // namespace zeku
