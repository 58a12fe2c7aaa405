#pragma once
// Decides, for a list of search conditions, whether the search of each stores
// a result, on a pool of worker threads.
//
// Each search runs with the maximum count at kStopAtFirstResult, so that it
// ends at the first set it would store; each thread prepares its own data for the search it runs
// and shares only the master data, which is read-only. The verdicts are kept
// by list position, so the answer is the same whatever the number of threads
// and their timing.
//
// Used like the search worker: construct, start(), requestCancel() from any
// thread, wait(). Notices (of the kind the owner names): FirstResultStored /
// FirstResultNone with the condition's index as each is decided, then exactly
// one final notice.

#include "data/MasterData.h"
#include "platform/NoticeSink.h"
#include "search/SearchCondition.h"
#include "search/SearchTypes.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <thread>
#include <vector>

namespace zeku {

enum FirstResultNotice : int32_t {
    FirstResultStored = 0, // param: index of a condition whose search stores a result
    FirstResultNone = 1, // param: index of a condition whose search stores none
    FirstResultFinished = 2, // every condition decided
    FirstResultCancelled = 3,
    FirstResultOutOfMemory = 4,
};

struct FirstResultOptions {
    int threads = 0; // 0: as many as the machine has (at least one)
    bool lowerPriority = true; // as the search worker does
};

class CFirstResultPool {
public:
    // Fills `out` with the condition of list position `index`, or returns
    // false when its search is known to store nothing without running it.
    // Called on the pool's threads, several at a time: it may only read.
    using ConditionSource = std::function<bool(std::size_t index, SearchCondition& out)>;

    enum Verdict : int8_t { Undecided = 0, Stores = 1, StoresNone = 2 };

    // `master` and `notices` must outlive the pool.
    CFirstResultPool(const MasterData& master, std::size_t count, ConditionSource source, NoticeSink& notices,
                     NoticeKind kind, FirstResultOptions options = {});
    ~CFirstResultPool(); // cancels and waits
    CFirstResultPool(const CFirstResultPool&) = delete;
    CFirstResultPool& operator=(const CFirstResultPool&) = delete;

    void start();
    void requestCancel() { m_cancel.store(1, std::memory_order_relaxed); }
    void wait();

    std::size_t count() const { return m_verdicts.size(); }
    // Conditions decided so far (either way).
    uint64_t done() const { return m_done.load(std::memory_order_relaxed); }
    // After the final notice (or wait()): how it ended and each verdict;
    // conditions left undecided by a cancel or a lack of memory stay Undecided.
    SearchOutcome outcome() const { return m_outcome.load(std::memory_order_acquire); }
    Verdict verdict(std::size_t index) const { return static_cast<Verdict>(m_verdicts[index]); }
    int threadCount() const { return m_threadCount; }

private:
    void work();
    Verdict decide(std::size_t index);
    void finish();

    const MasterData& m_master;
    ConditionSource m_source;
    NoticeSink& m_notices;
    NoticeKind m_kind;
    FirstResultOptions m_options;
    int m_threadCount = 1;
    std::vector<int8_t> m_verdicts; // per condition, each written by one thread
    std::atomic<std::size_t> m_next{0}; // next condition to take
    std::atomic<uint64_t> m_done{0};
    std::atomic<int> m_running{0}; // threads still working; the last posts the final notice
    std::atomic<int32_t> m_cancel{0};
    std::atomic<bool> m_outOfMemory{false};
    std::atomic<SearchOutcome> m_outcome{OutcomeRunning};
    std::vector<std::thread> m_threads;
};

} // namespace zeku
