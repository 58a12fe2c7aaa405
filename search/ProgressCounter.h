#pragma once
// Counts the search's progress steps and posts the progress and hit-count
// notices. Counters are kept locally and published to the shared atomics
// before every notice and when the counter goes away, so the hot loop never
// touches shared memory. The clock is read only every few thousand steps:
// progress notices are throttled to one per 500 ms anyway.

#include "search/CombinationSearch.h"

#include <chrono>
#include <cstdint>

namespace zeku {

class ProgressCounter {
public:
    ProgressCounter(const SearchRun& run, uint64_t total);
    ~ProgressCounter() { publish(); }
    ProgressCounter(const ProgressCounter&) = delete;
    ProgressCounter& operator=(const ProgressCounter&) = delete;

    // Adds `steps` combinations covering `raw` concrete piece combinations.
    void countSteps(uint64_t steps, uint64_t raw)
    {
        m_done += steps;
        m_rawDone += raw;
        if (m_done == m_total || --m_stepsUntilClock <= 0)
            checkClock();
    }

    // Publishes the counters (the result count among them) and posts FindHitCount.
    void postHitCount();

private:
    void checkClock();
    void publish();
    void post(int32_t code);

    const SearchRun& m_run;
    uint64_t m_total;
    uint64_t m_done = 0;
    uint64_t m_rawDone = 0;
    int64_t m_stepsUntilClock = 0; // the first step always reads the clock
    int64_t m_elapsedMs = 1000; // so that the first step always posts
    std::chrono::steady_clock::time_point m_lastTick;
};

} // namespace zeku
