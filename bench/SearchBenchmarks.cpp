// Search benchmarks on generated master data.
//
// Every built-in bench condition runs on the sample (scale 1) and on a set
// three times its size, with the optimised engine and, where it finishes in
// reasonable time, with the straightforward reference implementation; those
// with jewels also with exact jewel fitting. All report combinations per
// second; compare ratios within one run.
//
//   zeku_bench_search [--benchmark_filter=...]

#include "bench/BenchData.h"
#include "cli/SearchBench.h"
#include "search/CombinationSearch.h"
#include "tests/reference/ReferenceSearch.h"

#include <benchmark/benchmark.h>

#include <atomic>

namespace {

using namespace zeku;

using SearchFunction = SearchOutcome (*)(SearchCondition&, const SearchRun&);

void runSearchBenchmark(benchmark::State& state, int scale, std::size_t conditionIndex, SearchFunction search,
                        bool exactJewels = false)
{
    const MasterData& master = dataAtScale(scale);
    BenchCondition bench = benchConditions(master).at(conditionIndex);
    bench.condition.exactJewels = exactJewels;
    uint64_t combinations = 0;
    int32_t results = 0;
    for (auto _ : state) {
        SearchCondition condition(bench.condition);
        SearchResultStore store;
        SearchProgress progress;
        std::atomic<int32_t> cancel{0};
        SearchRun run{&master, &store, &progress, &cancel, nullptr};
        benchmark::DoNotOptimize(search(condition, run));
        combinations += progress.done.load();
        results = store.count();
    }
    state.counters["combinations/s"] =
        benchmark::Counter(static_cast<double>(combinations), benchmark::Counter::kIsRate);
    state.counters["results"] = results;
}

void registerAll()
{
    for (int scale : {1, 3}) {
        const std::size_t count = benchConditions(dataAtScale(scale)).size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::string name = benchConditions(dataAtScale(scale))[i].name;
            benchmark::RegisterBenchmark(
                ("engine/x" + std::to_string(scale) + "/" + name).c_str(),
                [=](benchmark::State& s) { runSearchBenchmark(s, scale, i, runCombinationSearch); })
                ->Unit(benchmark::kMillisecond);
            // Exact jewel fitting beside the default: the goal is at most twice its time.
            if (benchConditions(dataAtScale(scale))[i].condition.useJewels)
                benchmark::RegisterBenchmark(
                    ("exact/x" + std::to_string(scale) + "/" + name).c_str(),
                    [=](benchmark::State& s) { runSearchBenchmark(s, scale, i, runCombinationSearch, true); })
                    ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(
                ("reference/x" + std::to_string(scale) + "/" + name).c_str(),
                [=](benchmark::State& s) { runSearchBenchmark(s, scale, i, runReferenceSearch); })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(1);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
