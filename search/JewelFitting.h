#pragma once
// Greedy jewel fitting: decides whether jewels in the free slots of the weapon
// and the groups can make a combination activate every wanted skill.
//
// Each step takes the wanted skill with the largest remaining deficit, gives
// up when even the best jewel ratio over all free slots cannot close it,
// chooses one jewel by gain, loss, penalty, size and rarity, places it (into
// an exactly fitting empty holder first), re-packs once when it does not fit,
// and sorts the deficits again. At most one choice is tried per step and a
// failure is final for the combination.
//
// All ratios are single-precision floats, compared exactly.

#include "search/DeadEndMemo.h"
#include "search/FitBound.h"
#include "search/WorkingSet.h"

#include <cstdint>
#include <vector>

namespace zeku {

class JewelFitter {
public:
    JewelFitter(WorkingSet& work, const PreparedSearch& prep);

    // Parts whose candidate list is not empty: jewels are fitted only when each
    // of them holds a group.
    void setPartsWithCandidates(const bool (&hasCandidates)[kPartCount]);

    // Tests the working set, placing jewels as it goes (the caller resets them).
    // `boundChecked`: the caller already knows the bound holds.
    bool fit(bool boundChecked = false);

    // Fittings that fail are remembered in `memo` (may be null) and not run again.
    void useMemo(DeadEndMemo* memo) { m_memo = memo; }

    // The quick necessary condition the fitting checks first.
    const FitBound& bound() const { return m_bound; }

    // Free slots of the weapon and the groups in the working set: in all, and
    // what they can bring to the wish.
    uint16_t freeSlots() const;
    void capacity(FitCapacity& out) const;

private:
    // One wanted skill during a fitting.
    struct Deficit {
        int16_t slot;      // tree slot
        int16_t required;  // wanted threshold
        int16_t current;   // points reached so far
        uint16_t options;  // candidates in the tree's jewel list
        int32_t order;     // sort key, see updateOrder()
        int16_t remaining() const { return sub16(required, current); }
        // Larger remaining first, then fewer options: one integer compares both.
        void updateOrder() { order = int32_t{remaining()} * 65536 + (65535 - options); }
    };

    bool runGreedy();
    void sortDeficits();
    int32_t chooseJewel(const SkillJewelList& list, uint16_t sizeLimit) const;
    bool placeJewel(int32_t jewel);
    void repack();

    WorkingSet& m_work;
    const PreparedSearch& m_prep;
    bool m_partHasCandidates[kPartCount] = {};
    std::vector<Deficit> m_deficits;
    std::vector<int16_t> m_deficitOfSlot; // first deficit (in current order) of each tree slot
    std::vector<int32_t> m_taken;         // re-packing buffer
    uint16_t m_largestCapacity = 0;
    FitBound m_bound;
    FitCapacity m_capacity; // scratch for fit()
    DeadEndMemo* m_memo = nullptr;
};

} // namespace zeku
