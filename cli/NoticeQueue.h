#pragma once
// A notice sink the command-line tools wait on: the worker posts without
// blocking, the main thread takes notices in posting order.

#include "platform/NoticeSink.h"

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
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(notice);
        }
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
        return notice;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Notice> m_queue;
};

} // namespace zeku
