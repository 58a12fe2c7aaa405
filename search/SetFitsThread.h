#pragma once
// "What else fits this set?" (SetFits.h) worked out on a thread of its own,
// so that the window asking it opens at once.
//
// Used like the other workers: construct, start(), requestCancel() from any
// thread; the destructor asks it to stop and joins. Notices
// (NoticeKind::Addable): exactly one, the final one, AddableFinished,
// AddableCancelled or AddableOutOfMemory.

#include "search/AddableFindThread.h"
#include "search/SetFits.h"

#include <atomic>
#include <thread>
#include <vector>

namespace zeku {

class CSetFitsThread {
public:
    // `master` and `notices` must outlive the worker; `condition` and `set` are copied.
    CSetFitsThread(const MasterData& master, const SearchCondition& condition, const EquipSet& set,
                   NoticeSink& notices);
    ~CSetFitsThread();
    CSetFitsThread(const CSetFitsThread&) = delete;
    CSetFitsThread& operator=(const CSetFitsThread&) = delete;

    void start();
    void requestCancel() { m_cancel.store(1, std::memory_order_relaxed); }

    // After the final notice: how it ended, and the fitting candidates in
    // candidate order (those decided before a cancel).
    SearchOutcome outcome() const { return m_outcome.load(std::memory_order_acquire); }
    const std::vector<SetFit>& fits() const { return m_fits; }

private:
    void run();

    const MasterData& m_master;
    const SearchCondition m_condition;
    const EquipSet m_set;
    NoticeSink& m_notices;
    std::vector<SetFit> m_fits;
    std::atomic<int> m_cancel{0};
    std::atomic<SearchOutcome> m_outcome{OutcomeRunning};
    std::thread m_thread;
};

} // namespace zeku
