#include "search/DeadEndMemo.h"

#include <algorithm>

namespace zeku {
namespace {

// Set in every key's first word, so that a zeroed entry never matches.
constexpr uint64_t kUsed = uint64_t{1} << 63;

} // namespace

DeadEndMemo::DeadEndMemo(std::size_t totals, uint16_t largestCapacity) : m_totals(totals)
{
    const std::size_t words = 1 + (totals + 3) / 4;
    if (words <= kMaxWords && largestCapacity < 255)
        m_words = words;
}

DeadEndMemo::Key DeadEndMemo::keyOf(int depth, const WorkingSet& work) const
{
    Key key;
    uint64_t first = kUsed | uint64_t(static_cast<unsigned>(depth)) << 40;
    for (int part = 0; part < kPartCount; ++part) {
        const uint64_t capacityPlusOne = work.entry(part) < 0 ? 0 : work.holder(part).capacity + 1u;
        first |= capacityPlusOne << (8 * part);
    }
    key.words[0] = first;
    const int16_t* totals = work.totals();
    for (std::size_t slot = 0; slot < m_totals; ++slot)
        key.words[1 + slot / 4] |= uint64_t{static_cast<uint16_t>(totals[slot])} << (16 * (slot % 4));

    uint64_t h = 0;
    for (std::size_t i = 0; i < m_words; ++i)
        h = (h ^ key.words[i]) * 0x9E3779B97F4A7C15ull;
    key.set = static_cast<std::size_t>(h >> 40) & (kSets - 1);
    return key;
}

bool DeadEndMemo::contains(const Key& key)
{
    if (m_table.empty())
        m_table.assign(kSets * kWays * m_words, 0); // searches that never look need no table
    for (std::size_t way = 0; way < kWays; ++way) {
        const uint64_t* e = entry(key.set, way);
        bool same = true;
        for (std::size_t i = 0; i < m_words; ++i)
            same = same && e[i] == key.words[i];
        if (same)
            return true;
    }
    return false;
}

void DeadEndMemo::insert(const Key& key)
{
    if (m_table.empty())
        return;
    for (std::size_t way = kWays - 1; way > 0; --way)
        std::copy(entry(key.set, way - 1), entry(key.set, way - 1) + m_words, entry(key.set, way));
    std::copy(key.words, key.words + m_words, entry(key.set, 0));
}

} // namespace zeku
