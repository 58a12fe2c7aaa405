#pragma once
// What a search shares with its owner while it runs: five progress counters,
// the cancel flag, the outcome, and the notice codes it posts.

#include <atomic>
#include <cstdint>

namespace zeku {

// Written by the search worker, read by the owner when a notice arrives.
struct SearchProgress {
    std::atomic<uint64_t> total{0}; // product over parts of (groups + 1)
    std::atomic<uint64_t> done{0}; // combinations visited (tested or counted)
    std::atomic<uint64_t> rawTotal{0}; // product over parts of (pieces in groups + 1)
    std::atomic<uint64_t> rawDone{0}; // concrete piece combinations covered so far
    std::atomic<uint64_t> resultCount{0}; // stored results, written before each hit-count notice

    void reset()
    {
        total = 0;
        done = 0;
        rawTotal = 0;
        rawDone = 0;
        resultCount = 0;
    }
};

// How a search ended.
enum SearchOutcome : int32_t {
    OutcomeRunning = -1,
    OutcomeCompleted = 0,
    OutcomeCancelled = 1,
    OutcomeLimitReached = 2,
    OutcomeOutOfMemory = 3,
};

// Notice codes posted by the search worker (NoticeKind::Search).
enum FindNotice : int32_t {
    FindStarted = 0,
    FindFinished = 1,
    FindCancelRequest = 2, // sent by the progress window, never by the worker
    FindCancelled = 3,
    FindLimitReached = 4,
    FindProgress = 5,
    FindHitCount = 6,
    FindOutOfMemory = 7,
};

} // namespace zeku
