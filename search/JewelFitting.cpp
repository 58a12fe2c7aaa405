#include "search/JewelFitting.h"

#include <algorithm>

namespace zeku {
namespace {

// A fitting places at least one slot per step, so it ends long before this;
// the bound only guards against a loop on damaged data.
constexpr int kMaxFittingSteps = 1 << 16;

uint16_t largestHolder(const WorkingSet& work, const PreparedSearch& prep)
{
    uint16_t largest = work.holder(EquipPosition::Weapon).capacity;
    for (const CandidateGroup& group : prep.groups)
        largest = std::max(largest, group.capacity);
    return largest;
}

} // namespace

JewelFitter::JewelFitter(WorkingSet& work, const PreparedSearch& prep)
    : m_work(work), m_prep(prep), m_bound(prep, work.wantedThresholds(), work.wantedSlots()),
      m_slotBound(prep, work.wantedThresholds(), work.wantedSlots(), largestHolder(work, prep)),
      m_capacity(m_bound.emptyCapacity())
{
    std::size_t maxJewels = 0;
    for (int h = 0; h < kHolderCount; ++h)
        maxJewels += work.holder(h).placed.capacity();
    m_taken.reserve(maxJewels);
    flattenCandidates();

    const std::size_t n = prep.slotOfWanted.size();
    m_slotOfWanted = prep.slotOfWanted;
    m_required = work.wantedThresholds();
    m_current.assign(n, 0);
    m_options.assign(n, 0);
    m_sortKey.assign(n, 0);
    m_order.assign(n, 0);
    for (std::size_t i = 0; i < n; ++i)
        m_options[i] = static_cast<uint16_t>(m_listOfSlot[static_cast<std::size_t>(m_slotOfWanted[i])].count);
    m_deficitOfSlot.assign(prep.slotTree.size(), 0);
    std::vector<bool> seen(prep.slotTree.size(), false);
    for (std::size_t i = n; i-- > 0;) {
        const auto slot = static_cast<std::size_t>(m_slotOfWanted[i]);
        m_slotsDistinct = m_slotsDistinct && !seen[slot];
        seen[slot] = true;
        m_deficitOfSlot[slot] = static_cast<int16_t>(i);
    }
}

void JewelFitter::flattenCandidates()
{
    m_listOfSlot.assign(m_prep.slotTree.size(), CandidateRange{});
    m_slotHasList.assign(m_prep.slotTree.size(), false);
    for (std::size_t slot = 0; slot < m_prep.slotTree.size(); ++slot) {
        const int32_t listIndex = m_prep.listOfSlot.empty() ? -1 : m_prep.listOfSlot[slot];
        if (listIndex < 0)
            continue;
        const SkillJewelList& list = m_prep.jewelLists[static_cast<std::size_t>(listIndex)];
        CandidateRange& range = m_listOfSlot[slot];
        range.first = static_cast<uint32_t>(m_candidates.size());
        range.count = static_cast<uint32_t>(list.candidates.size());
        range.bestRatio = list.bestRatio;
        m_slotHasList[slot] = true;
        for (const JewelCandidate& c : list.candidates) {
            const PreparedJewel& jewel = m_prep.jewels[static_cast<std::size_t>(c.jewel)];
            m_candidates.push_back(Candidate{c.jewel, jewel.slots, jewel.rarity, static_cast<float>(jewel.slots),
                                             c.penalty, static_cast<uint32_t>(m_entries.size()),
                                             static_cast<uint32_t>(jewel.wantedPoints.size())});
            m_entries.insert(m_entries.end(), jewel.wantedPoints.begin(), jewel.wantedPoints.end());
        }
    }
}

void JewelFitter::setPartsWithCandidates(const bool (&hasCandidates)[kPartCount])
{
    std::copy(std::begin(hasCandidates), std::end(hasCandidates), m_partHasCandidates);
}

uint16_t JewelFitter::freeSlots() const
{
    uint16_t free = m_work.holder(EquipPosition::Weapon).freeSlots();
    for (int part = 0; part < kPartCount; ++part)
        if (m_work.entry(part) >= 0)
            free = static_cast<uint16_t>(free + m_work.holder(part).freeSlots());
    return free;
}

void JewelFitter::capacity(FitCapacity& out) const
{
    m_bound.clear(out);
    m_bound.addHolder(out, m_work.holder(EquipPosition::Weapon).freeSlots());
    for (int part = 0; part < kPartCount; ++part)
        if (m_work.entry(part) >= 0)
            m_bound.addHolder(out, m_work.holder(part).freeSlots());
}

// An exchange sort, as the order of equal deficits depends on it.
void JewelFitter::sortDeficits()
{
    const std::size_t n = m_order.size();
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (m_sortKey[m_order[i]] < m_sortKey[m_order[j]])
                std::swap(m_order[i], m_order[j]);
    if (!m_slotsDistinct)
        for (std::size_t i = n; i-- > 0;)
            m_deficitOfSlot[static_cast<std::size_t>(m_slotOfWanted[m_order[i]])] = static_cast<int16_t>(m_order[i]);
}

bool JewelFitter::fit(bool boundChecked)
{
    // Step 2: the pieces alone may do it.
    if (m_work.wantedSkillsMet())
        return true;
    // Step 3: jewels go only into combinations that use every part that has candidates.
    for (int part = 0; part < kPartCount; ++part)
        if (m_partHasCandidates[part] && m_work.entry(part) < 0)
            return false;

    // No greedy choice can complete a combination whose real totals could not
    // reach the wish even if every free slot held the best jewel for each
    // skill, or whose deficits need more slots of whole jewels than are free.
    if (!boundChecked && !boundsAllow())
        return false;

    return runGreedy();
}

bool JewelFitter::greedyFinds()
{
    const bool found = runGreedy();
    m_work.resetPlacedJewels();
    return found;
}

bool JewelFitter::boundsAllow()
{
    if (!m_boundsOn)
        return true;
    capacity(m_capacity);
    if (!m_bound.reachable(m_work.totals(), m_capacity))
        return false;
    return m_slotBound.slotsNeeded(m_work.totals()) <= freeSlots();
}

// Steps 1 and 4 to 6 of the fitting, on a combination that may pass.
bool JewelFitter::runGreedy()
{
    // Step 1 and 4: deficits in wanted order, then sorted.
    const std::size_t n = m_order.size();
    for (std::size_t i = 0; i < n; ++i) {
        m_current[i] = m_work.total(m_slotOfWanted[i]);
        updateSortKey(i);
        m_order[i] = static_cast<uint16_t>(i);
    }
    sortDeficits();

    // Step 5: largest capacity among the holders present.
    m_largestCapacity = m_work.holder(EquipPosition::Weapon).capacity;
    for (int part = 0; part < kPartCount; ++part)
        if (m_work.entry(part) >= 0)
            m_largestCapacity = std::max(m_largestCapacity, m_work.holder(part).capacity);

    // Step 6.
    uint16_t free = freeSlots();
    for (int step = 0; step < kMaxFittingSteps; ++step) {
        bool allMet = true;
        for (std::size_t i = 0; i < n; ++i)
            if (!thresholdMet(m_required[i], m_current[i])) {
                allMet = false;
                break;
            }
        if (allMet)
            return m_work.wantedSkillsMet();

        const std::size_t q = m_order.front();
        const auto qSlot = static_cast<std::size_t>(m_slotOfWanted[q]);
        if (!m_slotHasList[qSlot])
            return false;
        const CandidateRange& list = m_listOfSlot[qSlot];

        if (free == 0)
            return false;
        const float reach = static_cast<float>(free) * list.bestRatio;
        const int16_t qRemaining = remaining(q);
        if (m_required[q] > 0 && static_cast<float>(qRemaining) > reach)
            return false;
        if (m_required[q] < 0 && static_cast<float>(qRemaining) < reach)
            return false;

        const uint16_t sizeLimit = std::min(m_largestCapacity, free);
        const int32_t chosen = chooseJewel(list, sizeLimit);
        if (chosen < 0)
            return false;
        const PreparedJewel& jewel = m_prep.jewels[static_cast<std::size_t>(chosen)];
        if (placeJewel(chosen)) {
            free = static_cast<uint16_t>(free - jewel.slots);
        } else {
            repack();
            const bool placed = placeJewel(chosen);
            free = freeSlots();
            if (!placed)
                return false;
        }
        for (const SlotPoints& p : jewel.wantedPoints) {
            const auto i = static_cast<std::size_t>(m_deficitOfSlot[static_cast<std::size_t>(p.slot)]);
            m_current[i] = add16(m_current[i], p.points);
            updateSortKey(i);
        }
        sortDeficits();
    }
    return false;
}

namespace {

// Points per slot as the scores need them: x / slots in single precision.
// Dividing by 1 or 2 is exact, so those skip the division.
inline float perSlot(int x, uint16_t slots, float slotsF)
{
    if (slots == 1)
        return static_cast<float>(x);
    if (slots == 2)
        return static_cast<float>(x) * 0.5f;
    return static_cast<float>(x) / slotsF;
}

} // namespace

int32_t JewelFitter::chooseJewel(const CandidateRange& list, uint16_t sizeLimit) const
{
    int32_t best = -1;
    float bestGain = 0.0f, bestLoss = 0.0f, bestPenalty = 0.0f;
    uint16_t bestSlots = 0, bestRarity = 0;
    const Candidate* end = m_candidates.data() + list.first + list.count;
    for (const Candidate* c = m_candidates.data() + list.first; c != end; ++c) {
        const uint16_t s = c->slots;
        if (s > sizeLimit)
            continue;
        float gain = 0.0f, loss = 0.0f;
        const SlotPoints* entry = m_entries.data() + c->firstEntry;
        for (uint32_t e = 0; e < c->entryCount; ++e) {
            const auto i = static_cast<std::size_t>(m_deficitOfSlot[static_cast<std::size_t>(entry[e].slot)]);
            const int w = m_required[i];
            const int m = remaining(i);
            const int p = entry[e].points;
            if (w > 0) {
                if (m < 1) {
                    if (m - p > 0)
                        loss += perSlot(m - p, s, c->slotsF);
                } else if (p >= m) {
                    gain += perSlot(m, s, c->slotsF);
                } else if (p >= 1) {
                    gain += perSlot(p, s, c->slotsF);
                } else {
                    loss += perSlot(-p, s, c->slotsF);
                }
            } else if (w < 0) {
                if (m >= 0) {
                    if (m - p < 0)
                        loss += perSlot(p - m, s, c->slotsF);
                } else if (p <= m) {
                    gain += perSlot(-m, s, c->slotsF);
                } else if (p < 0) {
                    gain += perSlot(-p, s, c->slotsF);
                } else {
                    loss += perSlot(p, s, c->slotsF);
                }
            } else {
                return -1; // a wanted threshold of 0: nothing can be chosen
            }
        }
        bool better;
        if (best < 0 || gain > bestGain)
            better = true;
        else if (gain != bestGain)
            better = false;
        else if (loss < bestLoss)
            better = true;
        else if (loss != bestLoss)
            better = false;
        else
            better = c->penalty > bestPenalty || s < bestSlots || (s == bestSlots && c->rarity < bestRarity);
        if (better) {
            best = c->jewel;
            bestGain = gain;
            bestLoss = loss;
            bestPenalty = c->penalty;
            bestSlots = s;
            bestRarity = c->rarity;
        }
    }
    return best;
}

// Placing order: an exactly fitting group holding no jewel, the weapon likewise,
// any exactly fitting group, the weapon, then ever larger free spaces.
bool JewelFitter::placeJewel(int32_t jewel)
{
    const uint16_t s = m_prep.jewels[static_cast<std::size_t>(jewel)].slots;
    auto groupWith = [&](uint16_t free, bool mustBeEmpty) -> int {
        for (int part = 0; part < kPartCount; ++part) {
            if (m_work.entry(part) < 0)
                continue;
            const Holder& h = m_work.holder(part);
            if (h.freeSlots() == free && (!mustBeEmpty || h.jewelCount() == 0))
                return part;
        }
        return -1;
    };
    const Holder& weapon = m_work.holder(EquipPosition::Weapon);
    int target = groupWith(s, true);
    if (target < 0 && weapon.freeSlots() == s && weapon.jewelCount() == 0)
        target = EquipPosition::Weapon;
    if (target < 0)
        target = groupWith(s, false);
    if (target < 0 && weapon.freeSlots() == s)
        target = EquipPosition::Weapon;
    for (uint32_t k = s + 1u; target < 0; ++k) {
        if (k > m_largestCapacity)
            return false;
        target = groupWith(static_cast<uint16_t>(k), false);
        if (target < 0 && weapon.freeSlots() == k)
            target = EquipPosition::Weapon;
    }
    m_work.placeJewel(target, jewel);
    return true;
}

// Takes out the groups' placed jewels (last placed first) and the weapon's most
// recent one, then places them again, largest first; what finds no place stays out.
void JewelFitter::repack()
{
    m_taken.clear();
    for (int part = 0; part < kPartCount; ++part) {
        if (m_work.entry(part) < 0)
            continue;
        while (!m_work.holder(part).placed.empty())
            m_taken.push_back(m_work.takeLastPlaced(part));
    }
    if (!m_work.holder(EquipPosition::Weapon).placed.empty())
        m_taken.push_back(m_work.takeLastPlaced(EquipPosition::Weapon));
    if (m_taken.size() > 1) {
        for (std::size_t i = 0; i < m_taken.size(); ++i)
            for (std::size_t j = i + 1; j < m_taken.size(); ++j)
                if (m_prep.jewels[static_cast<std::size_t>(m_taken[i])].slots <
                    m_prep.jewels[static_cast<std::size_t>(m_taken[j])].slots)
                    std::swap(m_taken[i], m_taken[j]);
    }
    for (int32_t jewel : m_taken)
        placeJewel(jewel);
}

} // namespace zeku
