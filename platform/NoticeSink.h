#pragma once
// How a worker tells its owner what happened without ever waiting for it.
//
// A worker posts (kind, code, param) notices; the sink queues them and returns
// at once. The GUI delivers them on the UI thread in posting order; tests and
// the command-line tools use their own sinks.

#include <cstdint>
#include <mutex>
#include <vector>

namespace zeku {

// The kinds of notice: search progress, file-operation completion, the
// additional-skill search's verdicts and the no-result explanation's.
enum class NoticeKind : int32_t { Search = 0, FileOperation = 1, Addable = 2, Explain = 3 };

struct Notice {
    NoticeKind kind;
    int32_t code; // search: notice code; file operation: 0 load, 1 save
    int32_t param; // file operation: 0 success, 1 failure, 2 out of memory
};

class NoticeSink {
public:
    virtual ~NoticeSink() = default;
    // Queues the notice; must not block and may be called from any thread.
    virtual void post(const Notice& notice) = 0;
};

// Keeps every notice in order; for tests and simple callers.
class RecordingNoticeSink final : public NoticeSink {
public:
    void post(const Notice& notice) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_notices.push_back(notice);
    }
    std::vector<Notice> notices() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_notices;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<Notice> m_notices;
};

} // namespace zeku
