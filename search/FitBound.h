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

// What the free slots of some holders can bring, in units: over all wanted
// trees together, and to each wanted entry's tree alone. Built by adding the
// holders one by one; copying one and adding a holder is cheap.
struct FitCapacity {
    double total = 0.0;
    std::vector<double> perWanted; // by wanted entry, search order
};

class FitBound {
public:
    static constexpr int kSizes = 9; // holders with 1..8 free slots; index 0 holds larger ones

    // `thresholds` and `wantedSlots` are per wanted entry, in search order.
    FitBound(const PreparedSearch& prep, const std::vector<int16_t>& thresholds,
             const std::vector<int16_t>& wantedSlots);

    // An empty capacity of the right shape.
    FitCapacity emptyCapacity() const { return FitCapacity{0.0, std::vector<double>(m_wanted.size(), 0.0)}; }
    // Back to empty, keeping the storage.
    void clear(FitCapacity& capacity) const
    {
        capacity.total = 0.0;
        capacity.perWanted.assign(m_wanted.size(), 0.0);
    }
    // Adds a holder with `free` free slots.
    void addHolder(FitCapacity& capacity, uint16_t free) const;

    // False when no jewels within `capacity` could bring `totals` (by tree
    // slot) to the wish.
    bool reachable(const int16_t* totals, const FitCapacity& capacity) const;

    // The leg loop's check, on totals `base` plus `delta` (by tree slot, added
    // as 16-bit values like the real totals): Met when the wish is met without
    // jewels, Unreachable when even jewels cannot meet it, else MayFit.
    enum class Outlook { Met, MayFit, Unreachable };
    Outlook outlook(const int16_t* base, const int16_t* delta, const FitCapacity& capacity) const;

    // A cheaper necessary condition for the leg loop, linear in the group's
    // points: outlook() can say anything but Unreachable for totals `base`
    // plus `delta` only when gainUnits(delta) >= leastGainUnits(base, capacity).
    // (The sum of all shortfalls in units is at most the sum of the positive
    // ones, which must fit the capacity.) Trees no jewel serves and
    // thresholds of 0 take no part; the margin covers rounding.
    double gainUnits(const int16_t* delta) const;
    double leastGainUnits(const int16_t* base, const FitCapacity& capacity) const;
    // What a holder with `free` free slots adds to capacity.total, with the
    // margin: a holder added to the capacity lowers leastGainUnits by at most this.
    double holderUnits(uint16_t free) const;

private:
    struct Wanted {
        int16_t slot;
        int16_t threshold;
        double unitsPerPoint; // of deficit (infinite when no candidate helps)
        std::size_t perSlotRow; // into m_treeUnitsPerSlot
    };
    std::vector<Wanted> m_wanted;
    double m_linearSlack = 0.0; // rounding margin of the linear condition
    // Per tree slot and holder size: units one free slot can bring that tree,
    // raising [slot * 2 * kSizes + size] and lowering [... + kSizes + size].
    std::vector<double> m_treeUnitsPerSlot;
    // Per holder size: units one free slot can bring over all wanted trees.
    double m_unitsPerSlot[kSizes] = {};
};

} // namespace zeku
