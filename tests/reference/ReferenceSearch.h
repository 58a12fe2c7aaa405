#pragma once
// A deliberately plain implementation of the whole search, kept beside the
// optimised engine as its yardstick. It formats the contribution keys as text,
// groups them in a real 17-bucket hash map, rebuilds the skill totals as a
// std::map whenever it needs them, rebuilds the deficit list for every jewel
// fitting and counts every pruned combination with an actual walk. It is slow
// on purpose: each step reads like the rule it follows, so the tests compare
// the engine with it and the benchmarks use it as the straightforward baseline.

#include "search/CombinationSearch.h"

namespace zeku {

// Runs the same search as runCombinationSearch, step by step: the same
// outcome, counters, notices (FindStarted, FindProgress, FindHitCount; not
// the final notice), results and reordered wanted list. Never throws.
SearchOutcome runReferenceSearch(SearchCondition& condition, const SearchRun& run);

} // namespace zeku
