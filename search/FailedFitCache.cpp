#include "search/FailedFitCache.h"

#include <algorithm>

namespace zeku {

FailedFitCache::FailedFitCache(std::size_t keyWords)
    : m_keyWords(keyWords <= kMaxKeyWords ? keyWords : 0), m_stride(m_keyWords + 1)
{
    if (m_keyWords)
        m_table.assign(kEntries * m_stride, 0);
}

std::size_t FailedFitCache::slotOfKey() const
{
    uint64_t h = 0x9E3779B97F4A7C15ull;
    for (std::size_t i = 0; i < m_keyWords; ++i) {
        h ^= m_key[i];
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
    }
    return static_cast<std::size_t>(h >> 48) & (kEntries - 1);
}

bool FailedFitCache::contains()
{
    m_slot = slotOfKey();
    const uint16_t* entry = &m_table[m_slot * m_stride];
    return entry[m_keyWords] != 0 && std::equal(m_key, m_key + m_keyWords, entry);
}

void FailedFitCache::insert()
{
    uint16_t* entry = &m_table[m_slot * m_stride];
    std::copy(m_key, m_key + m_keyWords, entry);
    entry[m_keyWords] = 1;
}

} // namespace zeku
