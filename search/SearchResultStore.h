#pragma once
// The results of one search, in acceptance order. Records come from blocks of
// 10000 so that a search with many results allocates once per block and frees
// everything at once; a record never moves once handed out.

#include "search/EquipSet.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace zeku {

class SearchResultStore {
public:
    static constexpr int kBlockSize = 10000;

    SearchResultStore() = default;
    SearchResultStore(const SearchResultStore&) = delete;
    SearchResultStore& operator=(const SearchResultStore&) = delete;

    // An empty record from the pool (worker only). Throws std::bad_alloc when a
    // new block cannot be allocated.
    EquipSet* takeRecord();
    // Appends a taken and filled record to the results (worker only).
    // Throws std::bad_alloc when the array cannot grow.
    void append(EquipSet* record);

    int32_t count() const { return static_cast<int32_t>(m_results.size()); }
    const EquipSet& get(int32_t index) const { return *m_results[static_cast<std::size_t>(index)]; }
    const std::vector<EquipSet*>& results() const { return m_results; }
    // Number of blocks allocated so far (for tests of the pooling).
    std::size_t blockCount() const { return m_fullBlocks.size() + (m_current ? 1 : 0); }

private:
    using Block = std::unique_ptr<EquipSet[]>;

    std::vector<EquipSet*> m_results;
    Block m_current;
    int32_t m_takenInCurrent = 0;
    std::vector<Block> m_fullBlocks;
};

} // namespace zeku
