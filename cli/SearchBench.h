#pragma once
// A fixed set of search conditions derived from whatever master data is
// loaded, for timing the search and proving that a speed change kept its
// results: each run prints a signature over the result lines and counters.

#include "data/MasterData.h"
#include "search/SearchCondition.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zeku {

struct BenchCondition {
    std::string name;
    SearchCondition condition;
};

// The built-in conditions: 3 to 7 wanted skills that pieces tend to carry
// together, jewels on and off, a fixed piece, exclusions.
std::vector<BenchCondition> benchConditions(const MasterData& master);

struct BenchResult {
    int32_t outcome = -1;
    int32_t results = 0;
    uint64_t total = 0, done = 0, rawTotal = 0, rawDone = 0;
    uint64_t signature = 0; // FNV-1a over result lines and counters
    double seconds = 0; // processor time of the searching thread
};

// Runs one condition on the calling thread and signs its output.
BenchResult runBenchCondition(const MasterData& master, const SearchCondition& condition);

// `zeku-search --bench [FILTER]`: runs every condition whose name contains
// FILTER and prints one line each.
int runSearchBench(const MasterData& master, const std::string& filter);

// `zeku-search --bench-exact [FILTER]`: runs every condition with jewels
// whose name contains FILTER with the greedy fitting and with the exact one,
// one after the other, and prints both times, their ratio and both result
// counts, with the exact run's signature.
int runExactBench(const MasterData& master, const std::string& filter);

} // namespace zeku
