#include "search/SearchResultStore.h"

#include "search/AllocationProbe.h"

namespace zeku {

EquipSet* SearchResultStore::takeRecord()
{
    if (m_current && m_takenInCurrent >= kBlockSize) {
        // Keep room for the move first, so a failure leaves the block current.
        m_fullBlocks.reserve(m_fullBlocks.size() + 1);
        m_fullBlocks.push_back(std::move(m_current));
    }
    if (!m_current) {
        allocationProbe();
        m_current = Block(new EquipSet[kBlockSize]);
        m_takenInCurrent = 0;
    }
    return &m_current[m_takenInCurrent++];
}

void SearchResultStore::append(EquipSet* record)
{
    if (m_results.size() == m_results.capacity())
        allocationProbe();
    m_results.push_back(record);
}

} // namespace zeku
