#pragma once
// A notice sink the command-line tools wait on: the worker posts without
// blocking, the main thread takes notices in posting order.
//
// Count notices (progress, hit count) only tell the main thread to read the
// shared counters again, and a search that stores a million results posts a
// million of them. So at most one count notice waits in the queue at a time,
// and posting one wakes nobody: the main thread takes it when it next looks,
// within its wait timeout. Every other notice is queued and wakes it at once.

#include "platform/NoticeSink.h"
#include "search/SearchTypes.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace zeku {

class NoticeQueue final : public NoticeSink {
public:
    void post(const Notice& notice) override
    {
        const bool count = isCountNotice(notice);
        // A count notice already waiting stands for this one too.
        if (count && m_countWaiting.exchange(true, std::memory_order_acq_rel))
            return;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(notice);
        }
        if (!count)
            m_ready.notify_one();
    }

    // The next notice, or nothing when `timeout` passed without one.
    std::optional<Notice> take(std::chrono::milliseconds timeout)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        if (!m_ready.wait_for(lock, timeout, [this] { return !m_queue.empty(); }))
            return std::nullopt;
        Notice notice = m_queue.front();
        m_queue.pop_front();
        // Acquire: the counters the worker published before posting are seen.
        if (isCountNotice(notice))
            m_countWaiting.exchange(false, std::memory_order_acq_rel);
        return notice;
    }

private:
    static bool isCountNotice(const Notice& notice)
    {
        return notice.kind == NoticeKind::Search && (notice.code == FindProgress || notice.code == FindHitCount);
    }

    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Notice> m_queue;
    std::atomic<bool> m_countWaiting{false};
};

} // namespace zeku
