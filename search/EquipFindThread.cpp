#include "search/EquipFindThread.h"

#include "platform/ThreadPriority.h"

namespace zeku {

CEquipFindThread::CEquipFindThread(const MasterData& master, const SearchCondition& condition, SearchResultStore& store,
                                   SearchProgress& progress, NoticeSink& notices)
    : m_master(master), m_condition(condition), m_store(store), m_progress(progress), m_notices(notices)
{
}

CEquipFindThread::~CEquipFindThread()
{
    wait();
}

void CEquipFindThread::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread(&CEquipFindThread::run, this);
}

void CEquipFindThread::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CEquipFindThread::run()
{
    lowerThisThreadsPriority();
    SearchRun run;
    run.master = &m_master;
    run.store = &m_store;
    run.progress = &m_progress;
    run.cancel = &m_cancel;
    run.notices = &m_notices;
    const SearchOutcome outcome = runCombinationSearch(m_condition, run);
    m_outcome.store(outcome, std::memory_order_release);
    m_notices.post(Notice{NoticeKind::Search, finalNoticeFor(outcome), 0});
}

} // namespace zeku
