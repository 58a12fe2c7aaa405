#pragma once
// The search worker: runs one search on its own thread at lowered priority so
// the window that started it stays responsive.
//
// The owner constructs it, hands it copies of its inputs, start()s it, may
// requestCancel() from any thread, and finally wait()s and deletes it. The
// worker posts FindStarted, FindProgress and FindHitCount while it runs and
// exactly one final notice (FindFinished, FindCancelled, FindLimitReached or
// FindOutOfMemory) at the end; it never waits for the owner.

#include "search/CombinationSearch.h"

#include <atomic>
#include <thread>

namespace zeku {

class CEquipFindThread {
public:
    // `master`, `store`, `progress` and `notices` must outlive the worker;
    // `condition` is deep-copied. The store should be new and empty, the
    // progress counters reset.
    CEquipFindThread(const MasterData& master, const SearchCondition& condition, SearchResultStore& store,
                     SearchProgress& progress, NoticeSink& notices);
    ~CEquipFindThread(); // waits for the thread
    CEquipFindThread(const CEquipFindThread&) = delete;
    CEquipFindThread& operator=(const CEquipFindThread&) = delete;

    void start();
    void requestCancel() { m_cancel.store(1, std::memory_order_relaxed); }
    void wait();

    // How the search ended; OutcomeRunning until the final notice was posted.
    SearchOutcome outcome() const { return m_outcome.load(std::memory_order_acquire); }
    // The worker's condition: its wanted list is in the search's order afterwards.
    const SearchCondition& condition() const { return m_condition; }

private:
    void run();

    const MasterData& m_master;
    SearchCondition m_condition;
    SearchResultStore& m_store;
    SearchProgress& m_progress;
    NoticeSink& m_notices;
    std::atomic<int32_t> m_cancel{0};
    std::atomic<SearchOutcome> m_outcome{OutcomeRunning};
    std::thread m_thread;
};

} // namespace zeku
