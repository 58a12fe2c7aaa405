#pragma once
// Remembers states of the walk from which nothing can pass.
//
// What the walk does below a node, and what the greedy jewel fitting decides
// for a combination, depends only on which parts hold a group, their slot
// capacities and the wanted-tree totals: everything else (jewel lists, weapon,
// fixed pieces and their jewels) stays the same for the whole search. Many
// different groups share those values, so a state whose whole subtree (or
// whose fitting) failed is remembered, and the next time the walk reaches the
// same state at the same depth it counts the subtree without walking it.
// Keys are compared in full, so a hit is never wrong; passing states are not
// remembered.
//
// A key packs the depth, the five parts' slot capacities (8 bits each, 0 for
// an empty part) and the totals (16 bits each) into 64-bit words. The table
// has a fixed size: each key maps to a set of two entries; a new key takes the
// first entry and moves the older one to the second.

#include "search/WorkingSet.h"

#include <cstdint>
#include <vector>

namespace zeku {

class DeadEndMemo {
public:
    static constexpr std::size_t kMaxWords = 4; // keys of up to 12 totals
    // The depth of a combination's own fitting; subtrees use their part 0..4.
    static constexpr int kFittingDepth = kPartCount;

    struct Key {
        uint64_t words[kMaxWords] = {};
        std::size_t set = 0;
    };

    // A memo for `totals` tree slots; disabled when they do not fit a key or
    // a group could hold more slots than 8 bits can say.
    DeadEndMemo(std::size_t totals, uint16_t largestCapacity);

    bool enabled() const { return m_words != 0; }

    // The key of the working set's state at `depth`.
    Key keyOf(int depth, const WorkingSet& work) const;

    bool contains(const Key& key);
    void insert(const Key& key);

private:
    static constexpr std::size_t kSets = std::size_t{1} << 16;
    static constexpr std::size_t kWays = 2;

    uint64_t* entry(std::size_t set, std::size_t way) { return &m_table[(set * kWays + way) * m_words]; }

    std::size_t m_words = 0;
    std::size_t m_totals = 0;
    std::vector<uint64_t> m_table; // allocated on first use
};

} // namespace zeku
