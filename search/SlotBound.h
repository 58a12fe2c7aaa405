#pragma once
// A second quick necessary condition for the jewel fitting, in whole slots.
//
// For each wanted entry, a table gives the fewest slots that jewels need to
// bring that entry's tree a given number of points: a small knapsack over the
// candidates that move the tree the wanted way, sizes up to the largest
// holder. When no candidate serves two wanted entries at once, jewels that
// close different deficits are different jewels, so a fitting can succeed
// only if the slots of all deficits together fit in the free slots. Where
// FitBound counts fractions of the best jewel, this counts whole jewels.

#include "search/CandidatePreparation.h"

#include <cstdint>
#include <vector>

namespace zeku {

class SlotBound {
public:
    // `thresholds` and `wantedSlots` are per wanted entry, in search order;
    // `largestHolder` is the most slots any holder of the search has.
    SlotBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
              const std::vector<int16_t>& wantedSlots, uint16_t largestHolder);

    // False when some candidate serves two wanted entries: then the condition
    // does not hold and slotsNeeded() must not be used.
    bool usable() const { return m_usable; }

    // The fewest slots jewels need to close every deficit of `totals` (by
    // tree slot). More than any holder set can have when a deficit cannot be
    // closed at all.
    uint32_t slotsNeeded(const int16_t* totals) const;

private:
    static constexpr int kLargestDeficit = 255; // larger deficits use this row: the table never decreases

    bool m_usable = false;
    std::vector<int16_t> m_thresholds;
    std::vector<int16_t> m_slots;
    std::vector<uint32_t> m_fewest; // [wanted * (kLargestDeficit + 1) + deficit]
};

} // namespace zeku
