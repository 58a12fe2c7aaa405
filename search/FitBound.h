#pragma once
// A quick necessary condition for the jewel fitting: could any jewels in the
// free slots lift the wanted-tree totals to the wish at all?
//
// A combination passes the fitting only if its real totals reach every
// threshold at the end, and those are the totals before fitting plus the
// points of the jewels placed. Each placed jewel is a candidate of some jewel
// list and sits in a holder whose free slots at the start were at least its
// size. So a holder with f free slots can bring a tree at most f times the
// best points per slot among candidates of size <= f. Deficits are measured in
// "units": slots of the best jewel for that tree. A tree's deficit must fit
// in what the holders can bring it, and all deficits together must fit in
// what the holders can bring over all trees at once (a jewel serving several
// wanted trees counts for each). The bound never rejects a combination that
// could pass; the margin on every comparison is far above rounding error.

#include "search/CandidatePreparation.h"

#include <cstdint>
#include <vector>

namespace zeku {

// Free slots grouped by the size of the holder they are in.
struct FreeSlots {
    static constexpr int kSizes = 9; // holders with 1..8 free slots; index 0 holds larger ones
    uint16_t bySize[kSizes] = {};

    void addHolder(uint16_t free)
    {
        if (free)
            bySize[free < kSizes ? free : 0] = static_cast<uint16_t>(bySize[free < kSizes ? free : 0] + free);
    }
};

class FitBound {
public:
    // `thresholds` and `wantedSlots` are per wanted entry, in search order.
    FitBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
             const std::vector<int16_t>& wantedSlots);

    // False when no jewels in `free` could bring `totals` (by tree slot) to the wish.
    bool reachable(const int16_t* totals, const FreeSlots& free) const;

private:
    struct Wanted {
        int16_t slot;
        int16_t threshold;
    };
    std::vector<Wanted> m_wanted;
    // Per tree slot: units per point of deficit (infinite when no candidate helps).
    std::vector<double> m_unitsPerRaisePoint, m_unitsPerLowerPoint;
    // Per tree slot and holder size: units one free slot can bring that tree.
    std::vector<double> m_raiseUnitsPerSlot, m_lowerUnitsPerSlot; // [slot * kSizes + size]
    // Per holder size: units one free slot can bring over all wanted trees.
    double m_unitsPerSlot[FreeSlots::kSizes] = {};
};

} // namespace zeku
