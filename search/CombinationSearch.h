#pragma once
// One whole search, run on the calling thread: candidate preparation,
// the fixed-piece phase, the enumeration with jewel fitting, and the storing
// of accepted sets. The search worker runs it on its own thread.

#include "data/MasterData.h"
#include "platform/NoticeSink.h"
#include "search/SearchCondition.h"
#include "search/SearchResultStore.h"
#include "search/SearchTypes.h"

#include <atomic>
#include <cstdint>

namespace zeku {

struct SearchRun {
    const MasterData* master = nullptr;
    SearchResultStore* store = nullptr; // new and empty
    SearchProgress* progress = nullptr; // reset
    const std::atomic<int32_t>* cancel = nullptr; // non-zero requests a cancel
    NoticeSink* notices = nullptr; // may be null
};

// Runs the search for `condition` (the worker's own copy; its wanted list is
// reordered when jewels are used) and returns how it ended. Posts FindStarted,
// FindProgress and FindHitCount notices, but not the final notice: that is the
// caller's. Never throws: running out of memory anywhere ends with
// OutcomeOutOfMemory and keeps the results stored so far.
SearchOutcome runCombinationSearch(SearchCondition& condition, const SearchRun& run);

// The final notice code for an outcome.
FindNotice finalNoticeFor(SearchOutcome outcome);

} // namespace zeku
