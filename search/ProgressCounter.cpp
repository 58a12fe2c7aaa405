#include "search/ProgressCounter.h"

namespace zeku {
namespace {
constexpr int64_t kStepsBetweenClockReads = 4096;
constexpr int64_t kProgressIntervalMs = 500;
} // namespace

ProgressCounter::ProgressCounter(const SearchRun& run, uint64_t total)
    : m_run(run), m_total(total), m_lastTick(std::chrono::steady_clock::now())
{
}

void ProgressCounter::checkClock()
{
    m_stepsUntilClock = kStepsBetweenClockReads;
    const auto now = std::chrono::steady_clock::now();
    m_elapsedMs += std::chrono::duration_cast<std::chrono::milliseconds>(now - m_lastTick).count();
    m_lastTick = now;
    if (m_elapsedMs >= kProgressIntervalMs || m_done == m_total) {
        m_elapsedMs = 0;
        post(FindProgress);
    }
}

void ProgressCounter::publish()
{
    if (!m_run.progress)
        return;
    m_run.progress->done.store(m_done, std::memory_order_relaxed);
    m_run.progress->rawDone.store(m_rawDone, std::memory_order_relaxed);
    if (m_run.store)
        m_run.progress->resultCount.store(static_cast<uint64_t>(m_run.store->count()), std::memory_order_relaxed);
}

void ProgressCounter::post(int32_t code)
{
    publish();
    if (m_run.notices)
        m_run.notices->post(Notice{NoticeKind::Search, code, 0});
}

void ProgressCounter::postHitCount()
{
    post(FindHitCount);
}

} // namespace zeku
