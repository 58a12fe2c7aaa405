#include "search/NoResultExplainThread.h"

namespace zeku {

CNoResultExplainThread::CNoResultExplainThread(const MasterData& master, const SearchCondition& condition,
                                               NoticeSink& notices, FirstResultOptions options)
    : m_condition(condition), m_notices(notices)
{
    m_reaches = skillReaches(m_condition, master);
    m_changes = singleChanges(m_condition, master.skills());
    m_pool = std::make_unique<CFirstResultPool>(
        master, m_changes.size() + 1,
        [this](std::size_t index, SearchCondition& out) {
            out = index == 0 ? m_condition : changedCondition(m_condition, m_changes[index - 1]);
            return true;
        },
        static_cast<NoticeSink&>(*this), NoticeKind::Explain, options);
}

CNoResultExplainThread::~CNoResultExplainThread()
{
    // The threads end before the pool goes: their notices come through this object.
    m_pool->requestCancel();
    m_pool->wait();
}

std::vector<ConditionChange> CNoResultExplainThread::answer() const
{
    std::vector<ConditionChange> out;
    if (m_hasResults.load())
        return out;
    for (std::size_t i = 0; i < m_changes.size(); ++i)
        if (m_pool->verdict(i + 1) == CFirstResultPool::Stores)
            out.push_back(m_changes[i]);
    return out;
}

void CNoResultExplainThread::post(const Notice& notice)
{
    if (notice.code == FirstResultStored || notice.code == FirstResultNone) {
        if (notice.param == 0 && notice.code == FirstResultStored) {
            // Sets exist: the changes have nothing to explain.
            m_hasResults.store(true);
            m_pool->requestCancel();
        }
        m_notices.post(Notice{NoticeKind::Explain,
                              notice.code == FirstResultStored ? ExplainFindsSets : ExplainFindsNone, notice.param});
        return;
    }
    ExplainOutcome outcome = ExplainOutcome::Finished;
    int32_t code = ExplainFinished;
    if (m_hasResults.load())
        outcome = ExplainOutcome::HasResults, code = ExplainHasResults;
    else if (notice.code == FirstResultCancelled)
        outcome = ExplainOutcome::Cancelled, code = ExplainCancelled;
    else if (notice.code == FirstResultOutOfMemory)
        outcome = ExplainOutcome::OutOfMemory, code = ExplainOutOfMemory;
    m_outcome.store(outcome, std::memory_order_release);
    m_notices.post(Notice{NoticeKind::Explain, code, 0});
}

} // namespace zeku
