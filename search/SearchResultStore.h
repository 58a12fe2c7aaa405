#pragma once
// The results of one search, in acceptance order, as compact records. Records
// come from blocks of 10000 so that a search with many results allocates once
// per block and frees everything at once; a record never moves once stored.
// While a search runs the store is its worker's alone.

#include "data/SkillCatalogue.h"
#include "search/EquipSet.h"
#include "search/ResultRecord.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace zeku {

class SearchResultStore {
public:
    static constexpr int kBlockSize = 10000;

    // `blockSize` other than the default and `blockLimit` are for tests of
    // running out of memory: a block past the limit fails as if memory ran out.
    explicit SearchResultStore(int blockSize = kBlockSize, std::size_t blockLimit = SIZE_MAX)
        : m_blockSize(blockSize), m_blockLimit(blockLimit)
    {
    }
    SearchResultStore(const SearchResultStore&) = delete;
    SearchResultStore& operator=(const SearchResultStore&) = delete;

    // Stores `set` as the next result; `skills` counts its activated skills.
    // Throws std::bad_alloc when memory runs out; the results stored so far stay.
    void append(const EquipSet& set, const SkillCatalogue& skills);

    int32_t count() const { return m_count; }
    const ResultRecord& record(int32_t index) const
    {
        const auto i = static_cast<std::size_t>(index), size = static_cast<std::size_t>(m_blockSize);
        return m_blocks[i / size][i % size];
    }
    // The full set of result `index`, with its skill totals.
    EquipSet fullSet(int32_t index) const;
    // The same into `out`, for loops that reuse one set.
    void buildSet(const ResultRecord& record, EquipSet& out) const;
    // The jewel that `number` in a record stands for.
    const Jewel* jewel(uint16_t number) const { return m_jewels[number]; }
    // Number of blocks allocated so far (for tests of the pooling).
    std::size_t blockCount() const { return m_blocks.size(); }

private:
    // False when the table is full (the set is then kept whole).
    bool numberJewel(const Jewel* jewel, uint16_t& number);
    ResultRecord& nextSlot();

    int m_blockSize;
    std::size_t m_blockLimit;
    int32_t m_count = 0;
    std::vector<std::unique_ptr<ResultRecord[]>> m_blocks;
    std::vector<const Jewel*> m_jewels;
    std::unordered_map<const Jewel*, uint16_t> m_jewelNumbers;
    const Jewel* m_lastJewel = nullptr;
    uint16_t m_lastNumber = 0;
    std::vector<std::unique_ptr<EquipSet>> m_wholeSets; // the rare sets a record cannot hold
};

} // namespace zeku
