#pragma once
// The additional-skill search: decides for every candidate (AddableCandidates.h)
// whether the search with its changed condition stores a result, on the pool
// of FirstResultPool.h.
//
// A candidate that a bound proves out of reach is decided without searching.
// The answer is the addable candidates in candidate order, whatever the number
// of threads and their timing.
//
// Used like the search worker: construct, start(), requestCancel() from any
// thread, wait(). Notices (NoticeKind::Addable): AddableFound / AddableRejected
// with the candidate's index as each is decided, then exactly one final notice.

#include "search/AddableCandidates.h"
#include "search/FirstResultPool.h"

#include <memory>
#include <vector>

namespace zeku {

// The pool's notices, as this search names them.
enum AddableNotice : int32_t {
    AddableFound = FirstResultStored, // param: index of an addable candidate
    AddableRejected = FirstResultNone, // param: index of a candidate that is not addable
    AddableFinished = FirstResultFinished, // every candidate decided
    AddableCancelled = FirstResultCancelled,
    AddableOutOfMemory = FirstResultOutOfMemory,
};

using AddableOptions = FirstResultOptions;

class CAddableFindThread {
public:
    // `master` and `notices` must outlive the worker; `base` is deep-copied.
    // `base` is the condition "検索" would run (its maximum count plays no part).
    CAddableFindThread(const MasterData& master, const SearchCondition& base, NoticeSink& notices,
                       AddableOptions options = {});
    CAddableFindThread(const CAddableFindThread&) = delete;
    CAddableFindThread& operator=(const CAddableFindThread&) = delete;

    void start() { m_pool->start(); }
    void requestCancel() { m_pool->requestCancel(); }
    void wait() { m_pool->wait(); }

    // The condition the candidates change.
    const SearchCondition& base() const { return m_base; }
    const std::vector<AddableCandidate>& candidates() const { return m_candidates; }
    // Candidates decided so far (either way); progress is done() of candidates().size().
    uint64_t done() const { return m_pool->done(); }
    // After the final notice (or wait()): how it ended and the addable candidates in order.
    SearchOutcome outcome() const { return m_pool->outcome(); }
    std::vector<AddableCandidate> answer() const;
    int threadCount() const { return m_pool->threadCount(); }

private:
    SearchCondition m_base;
    std::vector<AddableCandidate> m_candidates;
    std::vector<char> m_reachable; // per candidate: no bound rules it out
    std::unique_ptr<CFirstResultPool> m_pool; // last: its threads read the members above
};

} // namespace zeku
