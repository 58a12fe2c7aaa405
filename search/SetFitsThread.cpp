#include "search/SetFitsThread.h"

#include <new>

namespace zeku {

CSetFitsThread::CSetFitsThread(const MasterData& master, const SearchCondition& condition, const EquipSet& set,
                               NoticeSink& notices)
    : m_master(master), m_condition(condition), m_set(set), m_notices(notices)
{
}

CSetFitsThread::~CSetFitsThread()
{
    requestCancel();
    if (m_thread.joinable())
        m_thread.join();
}

void CSetFitsThread::start()
{
    if (!m_thread.joinable())
        m_thread = std::thread(&CSetFitsThread::run, this);
}

void CSetFitsThread::run()
{
    SearchOutcome outcome = OutcomeCompleted;
    try {
        m_fits = fittingCandidates(m_condition, m_set, m_master, &m_cancel);
        if (m_cancel.load() != 0)
            outcome = OutcomeCancelled;
    } catch (const std::bad_alloc&) {
        m_fits.clear();
        outcome = OutcomeOutOfMemory;
    }
    m_outcome.store(outcome, std::memory_order_release);
    const int32_t code = outcome == OutcomeCompleted   ? AddableFinished
                         : outcome == OutcomeCancelled ? AddableCancelled
                                                       : AddableOutOfMemory;
    // The thread's last act: after this it only returns.
    m_notices.post(Notice{NoticeKind::Addable, code, 0});
}

} // namespace zeku
