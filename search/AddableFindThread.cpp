#include "search/AddableFindThread.h"

#include "platform/ThreadPriority.h"
#include "search/CombinationSearch.h"

#include <algorithm>
#include <map>
#include <new>

namespace zeku {

CAddableFindThread::CAddableFindThread(const MasterData& master, const SearchCondition& base, NoticeSink& notices,
                                       AddableOptions options)
    : m_master(master), m_base(base), m_notices(notices), m_options(options)
{
    m_candidates = addableCandidates(m_base, m_master.skills());
    m_verdicts.assign(m_candidates.size(), Undecided);
    // One bound per tree, shared by its thresholds.
    std::map<uint16_t, int32_t> highestOfTree;
    for (const AddableCandidate& c : m_candidates) {
        int32_t highest = 0;
        if (!highestOfTree.count(c.tree->id))
            highestOfTree[c.tree->id] = highestReachable(m_base, m_master, c.tree->id, highest) ? highest : INT32_MAX;
        m_reachable.push_back(c.points <= highestOfTree[c.tree->id] ? 1 : 0);
    }
    const int machine = static_cast<int>(std::thread::hardware_concurrency());
    m_threadCount = std::max(1, m_options.threads > 0 ? m_options.threads : machine);
}

CAddableFindThread::~CAddableFindThread()
{
    requestCancel();
    wait();
}

void CAddableFindThread::start()
{
    if (!m_threads.empty())
        return;
    m_running.store(m_threadCount);
    for (int i = 0; i < m_threadCount; ++i)
        m_threads.emplace_back(&CAddableFindThread::work, this);
}

void CAddableFindThread::wait()
{
    for (std::thread& t : m_threads)
        if (t.joinable())
            t.join();
}

std::vector<AddableCandidate> CAddableFindThread::answer() const
{
    std::vector<AddableCandidate> out;
    for (std::size_t i = 0; i < m_candidates.size(); ++i)
        if (m_verdicts[i] == Addable)
            out.push_back(m_candidates[i]);
    return out;
}

// Takes candidates in order until none is left, a cancel is requested or
// memory ran out in any thread.
void CAddableFindThread::work()
{
    if (m_options.lowerPriority)
        lowerThisThreadsPriority();
    for (;;) {
        if (m_cancel.load(std::memory_order_relaxed) != 0 || m_outOfMemory.load(std::memory_order_relaxed))
            break;
        const std::size_t index = m_next.fetch_add(1, std::memory_order_relaxed);
        if (index >= m_candidates.size())
            break;
        Verdict verdict = Undecided;
        if (!m_reachable[index]) {
            verdict = NotAddable;
        } else {
            try {
                verdict = decide(m_candidates[index]);
            } catch (const std::bad_alloc&) {
                m_outOfMemory.store(true);
            }
        }
        if (verdict == Undecided)
            continue; // cancelled or out of memory: the loop ends at its check
        m_verdicts[index] = verdict;
        m_done.fetch_add(1, std::memory_order_relaxed);
        m_notices.post(Notice{NoticeKind::Addable, verdict == Addable ? AddableFound : AddableRejected,
                              static_cast<int32_t>(index)});
    }
    // The last thread out sees every verdict and tells how it all ended.
    if (m_running.fetch_sub(1, std::memory_order_acq_rel) == 1)
        finish();
}

// One engine search that stops at the first set it would store.
CAddableFindThread::Verdict CAddableFindThread::decide(const AddableCandidate& candidate)
{
    SearchCondition condition = candidateCondition(m_base, candidate);
    condition.maxResults = kStopAtFirstResult;
    SearchResultStore store;
    SearchProgress progress;
    SearchRun run;
    run.master = &m_master;
    run.store = &store;
    run.progress = &progress;
    run.cancel = &m_cancel;
    switch (runCombinationSearch(condition, run)) {
    case OutcomeLimitReached:
        return Addable;
    case OutcomeCompleted:
        return NotAddable;
    case OutcomeOutOfMemory:
        throw std::bad_alloc();
    default:
        return Undecided;
    }
}

void CAddableFindThread::finish()
{
    SearchOutcome outcome = OutcomeCompleted;
    if (m_done.load() < m_candidates.size())
        outcome = m_outOfMemory.load() ? OutcomeOutOfMemory : OutcomeCancelled;
    m_outcome.store(outcome, std::memory_order_release);
    const int32_t code = outcome == OutcomeCompleted   ? AddableFinished
                         : outcome == OutcomeCancelled ? AddableCancelled
                                                       : AddableOutOfMemory;
    m_notices.post(Notice{NoticeKind::Addable, code, 0});
}

} // namespace zeku
