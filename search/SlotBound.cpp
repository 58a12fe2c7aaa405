#include "search/SlotBound.h"

#include <algorithm>
#include <numeric>

namespace zeku {
namespace {

// More slots than any set of holders can offer: six holders of at most 65535.
constexpr uint32_t kUnreachable = 1u << 20;

// Union-find over wanted entries.
std::size_t root(std::vector<std::size_t>& parent, std::size_t i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return i;
}

} // namespace

SlotBound::SlotBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
                     const std::vector<int16_t>& wantedSlots, uint16_t largestHolder)
    : m_thresholds(thresholds), m_slots(wantedSlots)
{
    const std::size_t n = thresholds.size();
    std::vector<bool> isCandidate(prep.jewels.size(), false);
    for (const SkillJewelList& list : prep.jewelLists)
        for (const JewelCandidate& c : list.candidates)
            isCandidate[static_cast<std::size_t>(c.jewel)] = true;

    // Per candidate that fits some holder: its points towards each wanted
    // entry, sign-corrected; entries it serves share a group.
    struct Served {
        uint16_t slots;
        std::vector<int> gain;
    };
    std::vector<Served> candidates;
    std::vector<std::size_t> parent(n);
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    bool joined = false;
    for (std::size_t j = 0; j < prep.jewels.size(); ++j) {
        const PreparedJewel& jewel = prep.jewels[j];
        if (!isCandidate[j] || jewel.slots > largestHolder)
            continue;
        Served served{jewel.slots, std::vector<int>(n, 0)};
        std::size_t firstServed = n;
        for (std::size_t i = 0; i < n; ++i) {
            int sum = 0;
            for (const SlotPoints& p : jewel.wantedPoints)
                if (p.slot == wantedSlots[i])
                    sum += p.points;
            served.gain[i] = thresholds[i] < 0 ? -sum : sum;
            if (thresholds[i] == 0 || served.gain[i] <= 0)
                continue;
            if (firstServed == n) {
                firstServed = i;
            } else if (root(parent, i) != root(parent, firstServed)) {
                parent[root(parent, i)] = root(parent, firstServed);
                joined = true;
            }
        }
        candidates.push_back(std::move(served));
    }
    if (joined) {
        for (std::size_t r = 0; r < n; ++r) {
            if (root(parent, r) != r)
                continue;
            for (std::size_t i = 0; i < n; ++i)
                if (root(parent, i) == r)
                    m_groupEntries.push_back(static_cast<uint16_t>(i));
            m_groupEnds.push_back(m_groupEntries.size());
        }
    }

    const std::size_t row = kLargestDeficit + 1;
    m_fewest.assign(n * row, kUnreachable);
    for (std::size_t i = 0; i < n; ++i) {
        uint32_t* fewest = &m_fewest[i * row];
        fewest[0] = 0;
        for (std::size_t d = 1; d < row; ++d)
            for (const Served& c : candidates) {
                const int gain = c.gain[i];
                if (gain <= 0)
                    continue;
                const std::size_t rest = d > static_cast<std::size_t>(gain) ? d - static_cast<std::size_t>(gain) : 0;
                fewest[d] = std::min(fewest[d], fewest[rest] + c.slots);
            }
    }
}

template <typename CurrentOf>
uint32_t SlotBound::neededFor(CurrentOf currentOf) const
{
    uint32_t needed = 0;
    if (m_groupEnds.empty()) {
        for (std::size_t i = 0; i < m_thresholds.size(); ++i)
            needed += fewestFor(i, currentOf(static_cast<std::size_t>(m_slots[i])));
        return needed;
    }
    std::size_t begin = 0;
    for (std::size_t end : m_groupEnds) {
        uint32_t neediest = 0;
        for (std::size_t k = begin; k < end; ++k) {
            const std::size_t i = m_groupEntries[k];
            neediest = std::max(neediest, fewestFor(i, currentOf(static_cast<std::size_t>(m_slots[i]))));
        }
        needed += neediest;
        begin = end;
    }
    return needed;
}

uint32_t SlotBound::slotsNeeded(const int16_t* totals) const
{
    return neededFor([totals](std::size_t slot) { return int{totals[slot]}; });
}

uint32_t SlotBound::slotsNeeded(const int16_t* base, const int16_t* delta) const
{
    return neededFor([base, delta](std::size_t slot) { return base[slot] + delta[slot]; });
}

} // namespace zeku
