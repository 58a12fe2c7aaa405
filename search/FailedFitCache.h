#pragma once
// Remembers combinations that the greedy jewel fitting rejected.
//
// The fitting reads, of the combination, only which parts hold a group, their
// slot capacities and the wanted-tree totals: everything else (jewel lists,
// weapon, fixed pieces) is the same for the whole search. Many combinations of
// different pieces share those values, so a rejected key is remembered and
// the next combination with the same key is rejected without fitting again.
// The table is direct-mapped, a colliding entry is replaced, and keys are
// compared in full, so a hit is never wrong. Accepted combinations are never
// cached: they need the jewels the fitting places.

#include <cstdint>
#include <vector>

namespace zeku {

class FailedFitCache {
public:
    static constexpr std::size_t kMaxKeyWords = 24;

    // A cache for keys of `keyWords` 16-bit words; disabled when too long.
    explicit FailedFitCache(std::size_t keyWords);

    bool enabled() const { return m_keyWords != 0; }
    uint16_t* key() { return m_key; } // fill before contains()/insert()

    bool contains();
    void insert();

private:
    std::size_t slotOfKey() const;

    static constexpr std::size_t kEntries = std::size_t{1} << 16;
    std::size_t m_keyWords;
    std::size_t m_stride;              // key words + 1 (the "used" mark)
    std::vector<uint16_t> m_table;
    uint16_t m_key[kMaxKeyWords] = {};
    std::size_t m_slot = 0;            // slot of the key last looked up
};

} // namespace zeku
