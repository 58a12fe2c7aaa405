#pragma once
// The combination under test: one group or nothing per part, the jewels in
// every holder, and the totals of the wanted trees.
//
// Totals are kept per tree slot (see CandidatePreparation.h) and equal, at all
// times, the relevant points of the groups in the set plus the wanted-tree
// points of every jewel in the weapon and in the groups. Only wanted trees are
// ever tested, so points in other trees are not tracked.
//
// A holder is the weapon or the group in one part. Its jewel list starts with
// the fixed jewels (never taken out by the search) followed by the jewels the
// search placed, in placing order. Holder storage is reserved once, so placing
// and taking out jewels never allocates.

#include "search/CandidatePreparation.h"

#include <cstdint>
#include <vector>

namespace zeku {

// True when total `p` reaches threshold `t` (a threshold of 0 is never met).
constexpr bool thresholdMet(int16_t t, int16_t p)
{
    return (t > 0 && p >= t) || (t < 0 && p <= t);
}

constexpr int16_t add16(int16_t a, int16_t b)
{
    return static_cast<int16_t>(static_cast<uint16_t>(a) + static_cast<uint16_t>(b));
}

constexpr int16_t sub16(int16_t a, int16_t b)
{
    return static_cast<int16_t>(static_cast<uint16_t>(a) - static_cast<uint16_t>(b));
}

struct Holder {
    uint16_t capacity = 0;
    uint16_t used = 0;
    const std::vector<const Jewel*>* fixedJewels = nullptr; // may be null
    std::vector<int32_t> placed; // prepared jewel indices, placing order

    uint16_t freeSlots() const { return static_cast<uint16_t>(capacity - used); }
    std::size_t jewelCount() const { return (fixedJewels ? fixedJewels->size() : 0) + placed.size(); }
};

class WorkingSet {
public:
    // Builds the set from the condition's fixed weapon and pieces; fixed pieces
    // become fixed groups appended to `prep.groups`.
    WorkingSet(const SearchCondition& condition, PreparedSearch& prep);

    int32_t entry(int part) const { return m_entry[part]; }
    bool partIsFixed(int part) const { return m_entryFixed[part]; }
    const Holder& holder(int h) const { return m_holders[h]; }
    bool holderPresent(int h) const { return h == EquipPosition::Weapon || m_entry[h] >= 0; }

    // Replaces the group of `part` (-1 empties it). The old group holds no
    // placed jewels: they are always reset before a part changes.
    void setPart(int part, int32_t group);

    // Takes the part's group and its jewels out of the totals, or puts them back.
    void removeContribution(int part);
    void addContribution(int part);

    // Every wanted skill reaches its threshold in the working totals.
    bool wantedSkillsMet() const;

    // Appends prepared jewel `j` to holder `h` and adds its points.
    void placeJewel(int h, int32_t j);
    // Takes the last placed jewel out of holder `h` and subtracts its points.
    int32_t takeLastPlaced(int h);
    // Takes out every placed jewel; fixed jewels stay.
    void resetPlacedJewels();

    // The holder's jewels, fixed first, as catalogue records.
    void holderJewels(int h, std::vector<const Jewel*>& out) const;

    int16_t total(int slot) const { return m_totals[static_cast<std::size_t>(slot)]; }
    const int16_t* totals() const { return m_totals.data(); }
    const std::vector<int16_t>& wantedThresholds() const { return m_wantedThreshold; }
    const std::vector<int16_t>& wantedSlots() const { return m_prep.slotOfWanted; }
    const PreparedSearch& prep() const { return m_prep; }

private:
    void addSlots(const std::vector<SlotPoints>& points);
    void subtractSlots(const std::vector<SlotPoints>& points);
    void addJewelPoints(const Jewel& jewel);

    PreparedSearch& m_prep;
    std::vector<int16_t> m_totals; // per tree slot
    std::vector<int16_t> m_wantedThreshold; // per wanted entry, current wanted order
    int32_t m_entry[kPartCount] = {-1, -1, -1, -1, -1};
    bool m_entryFixed[kPartCount] = {};
    Holder m_holders[kHolderCount];
    bool m_anyPlaced = false;
};

} // namespace zeku
