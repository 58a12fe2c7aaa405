#include "search/AddableFindThread.h"

#include <map>

namespace zeku {

CAddableFindThread::CAddableFindThread(const MasterData& master, const SearchCondition& base, NoticeSink& notices,
                                       AddableOptions options)
    : m_base(base)
{
    m_candidates = addableCandidates(m_base, master.skills());
    // One bound per tree, shared by its thresholds.
    std::map<uint16_t, int32_t> highestOfTree;
    for (const AddableCandidate& c : m_candidates) {
        int32_t highest = 0;
        if (!highestOfTree.count(c.tree->id))
            highestOfTree[c.tree->id] = highestReachable(m_base, master, c.tree->id, highest) ? highest : INT32_MAX;
        m_reachable.push_back(c.points <= highestOfTree[c.tree->id] ? 1 : 0);
    }
    m_pool = std::make_unique<CFirstResultPool>(
        master, m_candidates.size(),
        [this](std::size_t index, SearchCondition& out) {
            if (!m_reachable[index])
                return false;
            out = candidateCondition(m_base, m_candidates[index]);
            return true;
        },
        notices, NoticeKind::Addable, options);
}

std::vector<AddableCandidate> CAddableFindThread::answer() const
{
    std::vector<AddableCandidate> out;
    for (std::size_t i = 0; i < m_candidates.size(); ++i)
        if (m_pool->verdict(i) == CFirstResultPool::Stores)
            out.push_back(m_candidates[i]);
    return out;
}

} // namespace zeku
