// Storing and writing results, per result, on the sample data's
// "3 skills, jewels" results (about 7,000 sets):
//
//   store/append       a found set into the store (what the search adds per result)
//   store/full-set     the full set with totals, built from a record
//   lines/direct       a JSON line through the line writer (zeku-search's output)
//   lines/json-object  the same line through resultToJson(...).dump()
//   history/write      the history file text of all results
//
//   zeku_bench_results [--benchmark_filter=...]

#include "cli/JsonFormat.h"
#include "cli/ResultLineWriter.h"
#include "cli/SearchBench.h"
#include "platform/TextFile.h"
#include "search/CombinationSearch.h"
#include "tools/SampleDataGenerator.h"
#include "userfiles/SearchHistory.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

using namespace zeku;

struct Sample {
    MasterData master;
    SearchCondition condition;
    SearchResultStore store;
    std::vector<EquipSet> sets;
};

const Sample& sample()
{
    static std::unique_ptr<Sample> s;
    if (!s) {
        s = std::make_unique<Sample>();
        const auto dir = std::filesystem::temp_directory_path() / ("zeku_bench_results_" + std::to_string(::getpid()));
        writeSampleData(dir, kDefaultSampleSeed, 1);
        if (!s->master.load(dir).ok())
            throw std::runtime_error("generated data does not load");
        std::filesystem::remove_all(dir);
        s->condition = benchConditions(s->master).at(2).condition;
        SearchCondition copy(s->condition);
        SearchProgress progress;
        std::atomic<int32_t> cancel{0};
        SearchRun run{&s->master, &s->store, &progress, &cancel, nullptr};
        runCombinationSearch(copy, run);
        for (int32_t i = 0; i < s->store.count(); ++i)
            s->sets.push_back(s->store.fullSet(i));
    }
    return *s;
}

void storeAppend(benchmark::State& state)
{
    const Sample& s = sample();
    for (auto _ : state) {
        SearchResultStore store;
        for (const EquipSet& set : s.sets)
            store.append(set, s.master.skills());
        benchmark::DoNotOptimize(store.count());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(s.sets.size()));
}

void storeFullSet(benchmark::State& state)
{
    const Sample& s = sample();
    EquipSet set;
    for (auto _ : state)
        for (int32_t i = 0; i < s.store.count(); ++i) {
            s.store.buildSet(s.store.record(i), set);
            benchmark::DoNotOptimize(set.totals());
        }
    state.SetItemsProcessed(state.iterations() * s.store.count());
}

void linesDirect(benchmark::State& state)
{
    const Sample& s = sample();
    std::string out;
    for (auto _ : state) {
        ResultLineWriter writer(s.master);
        out.clear();
        for (int32_t i = 0; i < s.store.count(); ++i)
            writer.appendLine(s.store, i, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * s.store.count());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(out.size()));
}

void linesJsonObject(benchmark::State& state)
{
    const Sample& s = sample();
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (int32_t i = 0; i < s.store.count(); ++i)
            out += resultToJson(s.sets[static_cast<std::size_t>(i)], s.master, i + 1).dump() + "\n";
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * s.store.count());
}

void historyWrite(benchmark::State& state)
{
    const Sample& s = sample();
    const auto file = std::filesystem::temp_directory_path() / ("zeku_bench_history_" + std::to_string(::getpid()));
    for (auto _ : state) {
        SafeTextWriter writer(file);
        writeSearchHistory(writer, s.condition, s.store, s.master);
        benchmark::DoNotOptimize(writer.commit());
    }
    std::filesystem::remove(file);
    state.SetItemsProcessed(state.iterations() * s.store.count());
}

BENCHMARK(storeAppend)->Name("store/append");
BENCHMARK(storeFullSet)->Name("store/full-set");
BENCHMARK(linesDirect)->Name("lines/direct");
BENCHMARK(linesJsonObject)->Name("lines/json-object");
BENCHMARK(historyWrite)->Name("history/write");

} // namespace

BENCHMARK_MAIN();
