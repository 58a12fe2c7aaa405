// Additional-skill search benchmarks: the whole answer for a bench condition,
// wall-clock time, on one thread and on two side by side (each iteration runs
// both, so both see the same machine load), on data at three times the
// sample's scale, and how soon a cancel ends the threads.
//
//   zeku_bench_search --benchmark_filter=addable

#include "bench/BenchData.h"
#include "cli/SearchBench.h"
#include "search/AddableFindThread.h"
#include "search/CombinationSearch.h"
#include "search/SetFits.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using namespace zeku;

class DiscardNotices final : public NoticeSink {
public:
    void post(const Notice&) override {}
};

struct AddableTiming {
    double seconds = 0;
    std::size_t candidates = 0;
    std::size_t addable = 0;
};

// Priority stays normal: lowered threads on a shared machine would measure the others' load.
AddableTiming timeAddable(const MasterData& master, const SearchCondition& condition, int threads)
{
    DiscardNotices notices;
    const auto start = std::chrono::steady_clock::now();
    CAddableFindThread finder(master, condition, notices, AddableOptions{threads, false});
    finder.start();
    finder.wait();
    AddableTiming t;
    t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    t.candidates = finder.candidates().size();
    t.addable = finder.answer().size();
    return t;
}

const SearchCondition& benchCondition(int scale, const std::string& name)
{
    static std::map<std::pair<int, std::string>, SearchCondition> cache;
    auto key = std::make_pair(scale, name);
    auto it = cache.find(key);
    if (it == cache.end()) {
        for (const BenchCondition& b : benchConditions(dataAtScale(scale)))
            if (b.name == name)
                it = cache.emplace(key, b.condition).first;
        if (it == cache.end())
            throw std::runtime_error("no bench condition " + name);
    }
    return it->second;
}

void addableAnswer(benchmark::State& state, int scale, const std::string& name, bool exactJewels)
{
    const MasterData& master = dataAtScale(scale);
    SearchCondition condition = benchCondition(scale, name);
    condition.exactJewels = exactJewels;
    const int threads = static_cast<int>(state.range(0));
    AddableTiming t;
    for (auto _ : state) {
        t = timeAddable(master, condition, threads);
        state.SetIterationTime(t.seconds);
    }
    state.counters["candidates"] = static_cast<double>(t.candidates);
    state.counters["addable"] = static_cast<double>(t.addable);
}

// One thread and two threads in the same iteration; the counter is their ratio.
void addableSpeedUp(benchmark::State& state, int scale, const std::string& name)
{
    const MasterData& master = dataAtScale(scale);
    const SearchCondition& condition = benchCondition(scale, name);
    double one = 0, two = 0;
    for (auto _ : state) {
        const AddableTiming single = timeAddable(master, condition, 1);
        const AddableTiming pair = timeAddable(master, condition, 2);
        if (single.addable != pair.addable)
            state.SkipWithError("the answer depends on the thread count");
        one += single.seconds;
        two += pair.seconds;
        state.SetIterationTime(pair.seconds);
    }
    state.counters["1 thread s"] = one / static_cast<double>(state.iterations());
    state.counters["2 threads s"] = two / static_cast<double>(state.iterations());
    state.counters["speed-up"] = two > 0 ? one / two : 0.0;
}

// How long a cancel takes to end every thread, requested 300 ms into a long answer.
void addableCancel(benchmark::State& state, int scale, const std::string& name)
{
    const MasterData& master = dataAtScale(scale);
    const SearchCondition& condition = benchCondition(scale, name);
    double worst = 0;
    for (auto _ : state) {
        DiscardNotices notices;
        CAddableFindThread finder(master, condition, notices, AddableOptions{2, false});
        finder.start();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto start = std::chrono::steady_clock::now();
        finder.requestCancel();
        finder.wait();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst ms"] = worst * 1000.0;
}

// "What else fits this set" for the first result of a bench condition with
// only its first skill (sets that keep free slots) and with all of them; the
// goal is under 50 ms for a result of the sample.
void setFits(benchmark::State& state, int scale, const std::string& name, bool firstSkillOnly)
{
    const MasterData& master = dataAtScale(scale);
    SearchCondition condition = benchCondition(scale, name);
    if (firstSkillOnly)
        condition.wanted.resize(1);
    condition.maxResults = 1;
    SearchCondition copy(condition);
    SearchResultStore store;
    SearchProgress progress;
    std::atomic<int32_t> cancel{0};
    SearchRun run{&master, &store, &progress, &cancel, nullptr};
    runCombinationSearch(copy, run);
    if (store.count() == 0) {
        state.SkipWithError("the condition finds no set");
        return;
    }
    const EquipSet set = store.fullSet(0);
    std::size_t fits = 0;
    for (auto _ : state)
        fits = fittingCandidates(condition, set, master).size();
    state.counters["fits"] = static_cast<double>(fits);
}

// Benchmark names are the macro's words as written: the formatter keeps off them.
// clang-format off
BENCHMARK_CAPTURE(setFits, x1/3 skills jewels first skill, 1, std::string("3 skills, jewels"), true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(setFits, x1/3 skills jewels, 1, std::string("3 skills, jewels"), false)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(addableAnswer, x1/3 skills jewels, 1, std::string("3 skills, jewels"), false)
    ->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
// The same with exact jewel fitting: the goal is under 0.5 s on two threads.
BENCHMARK_CAPTURE(addableAnswer, x1/3 skills jewels exact, 1, std::string("3 skills, jewels"), true)
    ->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(addableSpeedUp, x1/3 skills jewels, 1, std::string("3 skills, jewels"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(addableAnswer, x3/5 skills jewels 3-slot weapon, 3, std::string("5 skills, jewels, 3-slot weapon"),
                  false)
    ->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(addableCancel, x3/5 skills jewels 3-slot weapon, 3, std::string("5 skills, jewels, 3-slot weapon"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
// clang-format on

} // namespace
