#include "search/JewelFitting.h"

#include <algorithm>

namespace zeku {
namespace {

// A fitting places at least one slot per step, so it ends long before this;
// the bound only guards against a loop on damaged data.
constexpr int kMaxFittingSteps = 1 << 16;

} // namespace

JewelFitter::JewelFitter(WorkingSet& work, const PreparedSearch& prep)
    : m_work(work), m_prep(prep), m_deficits(prep.slotOfWanted.size()), m_deficitOfSlot(prep.slotTree.size(), 0),
      m_bound(prep, work.wantedThresholds(), work.wantedSlots()), m_capacity(m_bound.emptyCapacity())
{
    std::size_t maxJewels = 0;
    for (int h = 0; h < kHolderCount; ++h)
        maxJewels += work.holder(h).placed.capacity();
    m_taken.reserve(maxJewels);
}

void JewelFitter::setPartsWithCandidates(const bool (&hasCandidates)[kPartCount])
{
    std::copy(std::begin(hasCandidates), std::end(hasCandidates), m_partHasCandidates);
}

uint16_t JewelFitter::freeSlots() const
{
    uint16_t free = m_work.holder(kWeaponHolder).freeSlots();
    for (int part = 0; part < kPartCount; ++part)
        if (m_work.entry(part) >= 0)
            free = static_cast<uint16_t>(free + m_work.holder(part).freeSlots());
    return free;
}

void JewelFitter::capacity(FitCapacity& out) const
{
    m_bound.clear(out);
    m_bound.addHolder(out, m_work.holder(kWeaponHolder).freeSlots());
    for (int part = 0; part < kPartCount; ++part)
        if (m_work.entry(part) >= 0)
            m_bound.addHolder(out, m_work.holder(part).freeSlots());
}

// Largest remaining first; equal remaining: fewer jewel options first.
void JewelFitter::sortDeficits()
{
    const std::size_t n = m_deficits.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (m_deficits[i].order < m_deficits[j].order)
                std::swap(m_deficits[i], m_deficits[j]);
        }
    }
    for (std::size_t i = n; i-- > 0;)
        m_deficitOfSlot[static_cast<std::size_t>(m_deficits[i].slot)] = static_cast<int16_t>(i);
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
    // reach the wish even if every free slot held the best jewel for each skill.
    if (!boundChecked) {
        capacity(m_capacity);
        if (!m_bound.reachable(m_work.totals(), m_capacity))
            return false;
    }

    if (!m_memo || !m_memo->enabled())
        return runGreedy();
    const DeadEndMemo::Key key = m_memo->keyOf(DeadEndMemo::kFittingDepth, m_work);
    if (m_memo->contains(key))
        return false;
    const bool passed = runGreedy();
    if (!passed)
        m_memo->insert(key);
    return passed;
}

// Steps 1 and 4 to 6 of the fitting, on a combination that may pass.
bool JewelFitter::runGreedy()
{
    // Step 1 and 4: deficits in wanted order, then sorted.
    const std::vector<int16_t>& thresholds = m_work.wantedThresholds();
    const std::vector<int16_t>& slots = m_work.wantedSlots();
    for (std::size_t i = 0; i < m_deficits.size(); ++i) {
        const int16_t slot = slots[i];
        const int32_t list = m_prep.listOfSlot[static_cast<std::size_t>(slot)];
        m_deficits[i] = Deficit{slot, thresholds[i], m_work.total(slot),
                                static_cast<uint16_t>(list < 0 ? 0 : m_prep.jewelLists[static_cast<std::size_t>(list)].candidates.size()), 0};
        m_deficits[i].updateOrder();
    }
    sortDeficits();

    // Step 5: largest capacity among the holders present.
    m_largestCapacity = m_work.holder(kWeaponHolder).capacity;
    for (int part = 0; part < kPartCount; ++part)
        if (m_work.entry(part) >= 0)
            m_largestCapacity = std::max(m_largestCapacity, m_work.holder(part).capacity);

    // Step 6.
    for (int step = 0; step < kMaxFittingSteps; ++step) {
        bool allMet = true;
        for (const Deficit& d : m_deficits)
            if (!thresholdMet(d.required, d.current)) {
                allMet = false;
                break;
            }
        if (allMet)
            return m_work.wantedSkillsMet();

        const Deficit& q = m_deficits.front();
        const int32_t listIndex = m_prep.listOfSlot[static_cast<std::size_t>(q.slot)];
        if (listIndex < 0)
            return false;
        const SkillJewelList& list = m_prep.jewelLists[static_cast<std::size_t>(listIndex)];

        const uint16_t free = freeSlots();
        if (free == 0)
            return false;
        const float reach = static_cast<float>(free) * list.bestRatio;
        const int16_t remaining = q.remaining();
        if (q.required > 0 && static_cast<float>(remaining) > reach)
            return false;
        if (q.required < 0 && static_cast<float>(remaining) < reach)
            return false;

        const uint16_t sizeLimit = std::min(m_largestCapacity, free);
        const int32_t chosen = chooseJewel(list, sizeLimit);
        if (chosen < 0)
            return false;
        if (!placeJewel(chosen)) {
            repack();
            if (!placeJewel(chosen))
                return false;
        }
        for (const SlotPoints& p : m_prep.jewels[static_cast<std::size_t>(chosen)].wantedPoints) {
            Deficit& d = m_deficits[static_cast<std::size_t>(m_deficitOfSlot[static_cast<std::size_t>(p.slot)])];
            d.current = add16(d.current, p.points);
            d.updateOrder();
        }
        sortDeficits();
    }
    return false;
}

int32_t JewelFitter::chooseJewel(const SkillJewelList& list, uint16_t sizeLimit) const
{
    int32_t best = -1;
    float bestGain = 0.0f, bestLoss = 0.0f, bestPenalty = 0.0f;
    uint16_t bestSlots = 0, bestRarity = 0;
    for (const JewelCandidate& candidate : list.candidates) {
        const PreparedJewel& jewel = m_prep.jewels[static_cast<std::size_t>(candidate.jewel)];
        const uint16_t s = jewel.slots;
        if (s > sizeLimit)
            continue;
        const float fs = static_cast<float>(s);
        float gain = 0.0f, loss = 0.0f;
        for (const SlotPoints& r : jewel.wantedPoints) {
            const Deficit& d = m_deficits[static_cast<std::size_t>(m_deficitOfSlot[static_cast<std::size_t>(r.slot)])];
            const int w = d.required;
            const int m = d.remaining();
            const int p = r.points;
            if (w > 0) {
                if (m < 1) {
                    if (m - p > 0)
                        loss += static_cast<float>(m - p) / fs;
                } else if (p >= m) {
                    gain += static_cast<float>(m) / fs;
                } else if (p >= 1) {
                    gain += static_cast<float>(p) / fs;
                } else {
                    loss += static_cast<float>(-p) / fs;
                }
            } else if (w < 0) {
                if (m >= 0) {
                    if (m - p < 0)
                        loss += static_cast<float>(p - m) / fs;
                } else if (p <= m) {
                    gain += static_cast<float>(-m) / fs;
                } else if (p < 0) {
                    gain += static_cast<float>(-p) / fs;
                } else {
                    loss += static_cast<float>(p) / fs;
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
            better = candidate.penalty > bestPenalty || s < bestSlots || (s == bestSlots && jewel.rarity < bestRarity);
        if (better) {
            best = candidate.jewel;
            bestGain = gain;
            bestLoss = loss;
            bestPenalty = candidate.penalty;
            bestSlots = s;
            bestRarity = jewel.rarity;
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
    const Holder& weapon = m_work.holder(kWeaponHolder);
    int target = groupWith(s, true);
    if (target < 0 && weapon.freeSlots() == s && weapon.jewelCount() == 0)
        target = kWeaponHolder;
    if (target < 0)
        target = groupWith(s, false);
    if (target < 0 && weapon.freeSlots() == s)
        target = kWeaponHolder;
    for (uint32_t k = s + 1u; target < 0; ++k) {
        if (k > m_largestCapacity)
            return false;
        target = groupWith(static_cast<uint16_t>(k), false);
        if (target < 0 && weapon.freeSlots() == k)
            target = kWeaponHolder;
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
    if (!m_work.holder(kWeaponHolder).placed.empty())
        m_taken.push_back(m_work.takeLastPlaced(kWeaponHolder));
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
