#include "search/FirstResultPool.h"

#include "platform/ThreadPriority.h"
#include "search/CombinationSearch.h"
#include "search/SearchResultStore.h"

#include <algorithm>
#include <new>

namespace zeku {

CFirstResultPool::CFirstResultPool(const MasterData& master, std::size_t count, ConditionSource source,
                                   NoticeSink& notices, NoticeKind kind, FirstResultOptions options)
    : m_master(master), m_source(std::move(source)), m_notices(notices), m_kind(kind), m_options(options)
{
    m_verdicts.assign(count, Undecided);
    const int machine = static_cast<int>(std::thread::hardware_concurrency());
    m_threadCount = std::max(1, m_options.threads > 0 ? m_options.threads : machine);
}

CFirstResultPool::~CFirstResultPool()
{
    requestCancel();
    wait();
}

void CFirstResultPool::start()
{
    if (!m_threads.empty())
        return;
    m_running.store(m_threadCount);
    for (int i = 0; i < m_threadCount; ++i)
        m_threads.emplace_back(&CFirstResultPool::work, this);
}

void CFirstResultPool::wait()
{
    for (std::thread& t : m_threads)
        if (t.joinable())
            t.join();
}

// Takes conditions in list order until none is left, a cancel is requested
// or memory ran out in any thread.
void CFirstResultPool::work()
{
    if (m_options.lowerPriority)
        lowerThisThreadsPriority();
    for (;;) {
        if (m_cancel.load(std::memory_order_relaxed) != 0 || m_outOfMemory.load(std::memory_order_relaxed))
            break;
        const std::size_t index = m_next.fetch_add(1, std::memory_order_relaxed);
        if (index >= m_verdicts.size())
            break;
        Verdict verdict = Undecided;
        try {
            verdict = decide(index);
        } catch (const std::bad_alloc&) {
            m_outOfMemory.store(true);
        }
        if (verdict == Undecided)
            continue; // cancelled or out of memory: the loop ends at its check
        m_verdicts[index] = verdict;
        m_done.fetch_add(1, std::memory_order_relaxed);
        m_notices.post(
            Notice{m_kind, verdict == Stores ? FirstResultStored : FirstResultNone, static_cast<int32_t>(index)});
    }
    // The last thread out sees every verdict and tells how it all ended.
    if (m_running.fetch_sub(1, std::memory_order_acq_rel) == 1)
        finish();
}

// One engine search that stops at the first set it would store.
CFirstResultPool::Verdict CFirstResultPool::decide(std::size_t index)
{
    SearchCondition condition;
    if (!m_source(index, condition))
        return StoresNone;
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
        return Stores;
    case OutcomeCompleted:
        return StoresNone;
    case OutcomeOutOfMemory:
        throw std::bad_alloc();
    default:
        return Undecided;
    }
}

void CFirstResultPool::finish()
{
    SearchOutcome outcome = OutcomeCompleted;
    if (m_done.load() < m_verdicts.size())
        outcome = m_outOfMemory.load() ? OutcomeOutOfMemory : OutcomeCancelled;
    m_outcome.store(outcome, std::memory_order_release);
    const int32_t code = outcome == OutcomeCompleted   ? FirstResultFinished
                         : outcome == OutcomeCancelled ? FirstResultCancelled
                                                       : FirstResultOutOfMemory;
    m_notices.post(Notice{m_kind, code, 0});
}

} // namespace zeku
