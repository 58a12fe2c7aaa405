#pragma once
// The additional-skill search: decides for every candidate (AddableCandidates.h)
// whether the search with its changed condition stores a result, on a pool of
// worker threads.
//
// Each candidate is one engine search with the maximum count at
// kStopAtFirstResult, so that it ends at the first set it would store; each
// thread prepares its own data for the candidate it runs and shares only the
// master data, which is read-only.
// A candidate that a bound proves out of reach is decided without searching.
// The answer is the addable candidates in candidate order, whatever the number
// of threads and their timing.
//
// Used like the search worker: construct, start(), requestCancel() from any
// thread, wait(). Notices (NoticeKind::Addable): AddableFound / AddableRejected
// with the candidate's index as each is decided, then exactly one final notice.

#include "platform/NoticeSink.h"
#include "search/AddableCandidates.h"
#include "search/SearchTypes.h"

#include <atomic>
#include <thread>
#include <vector>

namespace zeku {

enum AddableNotice : int32_t {
    AddableFound = 0,    // param: index of an addable candidate
    AddableRejected = 1, // param: index of a candidate that is not addable
    AddableFinished = 2, // every candidate decided
    AddableCancelled = 3,
    AddableOutOfMemory = 4,
};

struct AddableOptions {
    int threads = 0;            // 0: as many as the machine has (at least one)
    bool lowerPriority = true;  // as the search worker does
};

class CAddableFindThread {
public:
    // `master` and `notices` must outlive the worker; `base` is deep-copied.
    // `base` is the condition "検索" would run (its maximum count plays no part).
    CAddableFindThread(const MasterData& master, const SearchCondition& base, NoticeSink& notices,
                       AddableOptions options = {});
    ~CAddableFindThread(); // cancels and waits
    CAddableFindThread(const CAddableFindThread&) = delete;
    CAddableFindThread& operator=(const CAddableFindThread&) = delete;

    void start();
    void requestCancel() { m_cancel.store(1, std::memory_order_relaxed); }
    void wait();

    // The condition the candidates change.
    const SearchCondition& base() const { return m_base; }
    const std::vector<AddableCandidate>& candidates() const { return m_candidates; }
    // Candidates decided so far (either way); progress is done() of candidates().size().
    uint64_t done() const { return m_done.load(std::memory_order_relaxed); }
    // After the final notice (or wait()): how it ended and the addable candidates in order.
    SearchOutcome outcome() const { return m_outcome.load(std::memory_order_acquire); }
    std::vector<AddableCandidate> answer() const;
    int threadCount() const { return m_threadCount; }

private:
    enum Verdict : int8_t { Undecided = 0, Addable = 1, NotAddable = 2 };

    void work();
    Verdict decide(const AddableCandidate& candidate);
    void finish();

    const MasterData& m_master;
    SearchCondition m_base;
    NoticeSink& m_notices;
    AddableOptions m_options;
    int m_threadCount = 1;
    std::vector<AddableCandidate> m_candidates;
    std::vector<char> m_reachable;            // per candidate: no bound rules it out
    std::vector<int8_t> m_verdicts;           // per candidate, each written by one thread
    std::atomic<std::size_t> m_next{0};       // next candidate to take
    std::atomic<uint64_t> m_done{0};
    std::atomic<int> m_running{0};            // threads still working; the last posts the final notice
    std::atomic<int32_t> m_cancel{0};
    std::atomic<bool> m_outOfMemory{false};
    std::atomic<SearchOutcome> m_outcome{OutcomeRunning};
    std::vector<std::thread> m_threads;
};

} // namespace zeku
