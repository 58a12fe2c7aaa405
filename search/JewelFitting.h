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

#include "search/FitBound.h"
#include "search/SlotBound.h"
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
    // `boundChecked`: the caller already checked both bounds below.
    bool fit(bool boundChecked = false);

    // The quick necessary conditions the fitting checks first. They assume
    // that no total leaves the 16-bit range; switch them off when it could.
    const FitBound& bound() const { return m_bound; }
    const SlotBound& slotBound() const { return m_slotBound; }
    void useBounds(bool on) { m_boundsOn = on; }
    // False when the bounds show that no jewels in the free slots can meet
    // the wish (true while they are off).
    bool boundsAllow();
    // The greedy steps alone, without the rule on empty parts: a quick way to
    // show that some placement meets the wish. Leaves no jewel placed.
    bool greedyFinds();

    // Free slots of the weapon and the groups in the working set: in all, and
    // what they can bring to the wish.
    uint16_t freeSlots() const;
    void capacity(FitCapacity& out) const;

private:
    // A jewel list's candidates, copied into flat arrays once per search so
    // that choosing a jewel reads them in a row.
    struct Candidate {
        int32_t jewel; // prepared jewel index
        uint16_t slots;
        uint16_t rarity;
        float slotsF; // the slot count as the scores divide by it
        float penalty;
        uint32_t firstEntry; // into m_entries: the jewel's wanted-tree points
        uint32_t entryCount;
    };
    struct CandidateRange {
        uint32_t first = 0; // into m_candidates
        uint32_t count = 0;
        float bestRatio = 0.0f;
    };

    void flattenCandidates();
    bool runGreedy();
    // Orders the deficits: larger remaining first, then fewer jewel options.
    void sortDeficits();
    int32_t chooseJewel(const CandidateRange& list, uint16_t sizeLimit) const;
    bool placeJewel(int32_t jewel);
    void repack();

    // Deficits are indexed by wanted entry; m_order is their current order.
    int16_t remaining(std::size_t i) const { return sub16(m_required[i], m_current[i]); }
    // Larger remaining first, then fewer options: one integer compares both.
    void updateSortKey(std::size_t i) { m_sortKey[i] = int32_t{remaining(i)} * 65536 + (65535 - m_options[i]); }

    WorkingSet& m_work;
    const PreparedSearch& m_prep;
    bool m_partHasCandidates[kPartCount] = {};
    std::vector<Candidate> m_candidates;
    std::vector<SlotPoints> m_entries;
    std::vector<CandidateRange> m_listOfSlot; // per tree slot
    std::vector<bool> m_slotHasList; // per tree slot: a jewel list exists (it may be empty)

    std::vector<int16_t> m_slotOfWanted;
    std::vector<int16_t> m_required; // per wanted entry: threshold
    std::vector<int16_t> m_current; // per wanted entry: points reached so far
    std::vector<uint16_t> m_options; // per wanted entry: candidates in its tree's list
    std::vector<int32_t> m_sortKey; // per wanted entry, see updateSortKey()
    std::vector<uint16_t> m_order; // wanted entries, current deficit order
    std::vector<int16_t> m_deficitOfSlot; // first wanted entry (in current order) of each tree slot
    bool m_slotsDistinct = true; // no tree wanted twice: m_deficitOfSlot never changes
    std::vector<int32_t> m_taken; // re-packing buffer
    uint16_t m_largestCapacity = 0;
    FitBound m_bound;
    SlotBound m_slotBound;
    bool m_boundsOn = true;
    FitCapacity m_capacity; // scratch for fit()
};

} // namespace zeku
