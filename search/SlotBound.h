#pragma once
// A second quick necessary condition for the jewel fitting, in whole slots.
//
// For each wanted entry, a table gives the fewest slots that jewels need to
// bring that entry's tree a given number of points: a small knapsack over the
// candidates that move the tree the wanted way, sizes up to the largest
// holder. Jewels that close deficits of different wanted entries are
// different jewels unless one jewel serves both; so wanted entries are joined
// into groups that share a serving jewel, each group needs at least the slots
// of its neediest entry, and the groups' needs together must fit in the free
// slots. (With no jewel serving two entries, every entry is its own group and
// all deficits add up.) Where FitBound counts fractions of the best jewel,
// this counts whole jewels.

#include "search/CandidatePreparation.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace zeku {

class SlotBound {
public:
    // `thresholds` and `wantedSlots` are per wanted entry, in search order;
    // `largestHolder` is the most slots any holder of the search has.
    SlotBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
              const std::vector<int16_t>& wantedSlots, uint16_t largestHolder);

    // The fewest slots jewels need to close every deficit of `totals` (by
    // tree slot). More than any holder set can have when a deficit cannot be
    // closed at all.
    uint32_t slotsNeeded(const int16_t* totals) const;
    // The same for totals `base` plus `delta`, which must not leave the
    // 16-bit range.
    uint32_t slotsNeeded(const int16_t* base, const int16_t* delta) const;

private:
    uint32_t fewestFor(std::size_t wanted, int current) const
    {
        const int threshold = m_thresholds[wanted];
        const int deficit = threshold > 0 ? threshold - current : threshold < 0 ? current - threshold : 0;
        if (deficit <= 0)
            return 0;
        return m_fewest[wanted * (kLargestDeficit + 1) + static_cast<std::size_t>(std::min(deficit, kLargestDeficit))];
    }
    template <typename CurrentOf>
    uint32_t neededFor(CurrentOf currentOf) const;

    static constexpr int kLargestDeficit = 255; // larger deficits use this row: the table never decreases

    std::vector<int16_t> m_thresholds;
    std::vector<int16_t> m_slots;
    std::vector<uint32_t> m_fewest; // [wanted * (kLargestDeficit + 1) + deficit]
    // Wanted entries by group, groups one after another; empty when every
    // entry is a group of its own.
    std::vector<uint16_t> m_groupEntries;
    std::vector<std::size_t> m_groupEnds; // per group, its end in m_groupEntries
};

} // namespace zeku
