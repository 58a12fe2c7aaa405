#include "search/SlotBound.h"

#include <algorithm>

namespace zeku {
namespace {

// More slots than any set of holders can offer: six holders of at most 65535.
constexpr uint32_t kUnreachable = 1u << 20;

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

    // Per candidate that fits some holder: its points towards each wanted entry.
    struct Served {
        uint16_t slots;
        std::vector<int> gain; // per wanted entry, sign-corrected
    };
    std::vector<Served> candidates;
    for (std::size_t j = 0; j < prep.jewels.size(); ++j) {
        const PreparedJewel& jewel = prep.jewels[j];
        if (!isCandidate[j] || jewel.slots > largestHolder)
            continue;
        Served served{jewel.slots, std::vector<int>(n, 0)};
        int entriesServed = 0;
        for (std::size_t i = 0; i < n; ++i) {
            int sum = 0;
            for (const SlotPoints& p : jewel.wantedPoints)
                if (p.slot == wantedSlots[i])
                    sum += p.points;
            served.gain[i] = thresholds[i] < 0 ? -sum : sum;
            if (thresholds[i] != 0 && served.gain[i] > 0)
                ++entriesServed;
        }
        if (entriesServed > 1)
            return; // one jewel could close two deficits: not usable
        candidates.push_back(std::move(served));
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
    m_usable = true;
}

uint32_t SlotBound::slotsNeeded(const int16_t* totals) const
{
    constexpr std::size_t row = kLargestDeficit + 1;
    uint32_t needed = 0;
    for (std::size_t i = 0; i < m_thresholds.size(); ++i) {
        const int threshold = m_thresholds[i];
        const int current = totals[static_cast<std::size_t>(m_slots[i])];
        const int deficit = threshold > 0 ? threshold - current : threshold < 0 ? current - threshold : 0;
        if (deficit <= 0)
            continue;
        needed += m_fewest[i * row + static_cast<std::size_t>(std::min(deficit, kLargestDeficit))];
    }
    return needed;
}

} // namespace zeku
