// No-result explanation benchmarks: the whole explanation (the condition's own
// search, every single change, the reaches), wall-clock time on two threads,
// for wishes the data cannot meet: the bench conditions with every wanted
// skill raised to its tree's highest threshold; and how soon a cancel ends the
// threads.
//
//   zeku_bench_search --benchmark_filter=explain

#include "bench/BenchData.h"
#include "cli/SearchBench.h"
#include "search/NoResultExplainThread.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using namespace zeku;

class DiscardNotices final : public NoticeSink {
public:
    void post(const Notice&) override {}
};

// The bench condition `name` with each wanted skill at its highest threshold.
SearchCondition unmetCondition(const MasterData& master, const std::string& name)
{
    for (const BenchCondition& b : benchConditions(master)) {
        if (b.name != name)
            continue;
        SearchCondition c = b.condition;
        for (SkillPoint& w : c.wanted)
            if (const SkillTree* tree = master.skills().findTree(w.treeId))
                for (const SkillActivation& a : tree->activations)
                    w.points = std::max(w.points, a.threshold);
        return c;
    }
    throw std::runtime_error("no bench condition " + name);
}

// Priority stays normal: lowered threads on a shared machine would measure the others' load.
void explainWhole(benchmark::State& state, int scale, const std::string& name)
{
    const MasterData& master = dataAtScale(scale);
    const SearchCondition condition = unmetCondition(master, name);
    std::size_t changes = 0, tried = 0;
    for (auto _ : state) {
        DiscardNotices notices;
        const auto start = std::chrono::steady_clock::now();
        CNoResultExplainThread explainer(master, condition, notices, FirstResultOptions{2, false});
        explainer.start();
        explainer.wait();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (explainer.outcome() != ExplainOutcome::Finished) {
            state.SkipWithError("the condition finds sets: nothing to explain");
            return;
        }
        changes = explainer.answer().size();
        tried = explainer.changes().size();
    }
    state.counters["changes tried"] = static_cast<double>(tried);
    state.counters["changes found"] = static_cast<double>(changes);
}

// How long a cancel takes to end every thread, requested 300 ms into a long explanation.
void explainCancel(benchmark::State& state, int scale, const std::string& name)
{
    const MasterData& master = dataAtScale(scale);
    const SearchCondition condition = unmetCondition(master, name);
    double worst = 0;
    for (auto _ : state) {
        DiscardNotices notices;
        CNoResultExplainThread explainer(master, condition, notices, FirstResultOptions{2, false});
        explainer.start();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto start = std::chrono::steady_clock::now();
        explainer.requestCancel();
        explainer.wait();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst ms"] = worst * 1000.0;
}

// Benchmark names are the macro's words as written: the formatter keeps off them.
// clang-format off
BENCHMARK_CAPTURE(explainWhole, x1/3 skills jewels, 1, std::string("3 skills, jewels"))
    ->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(explainWhole, x3/5 skills jewels 3-slot weapon, 3, std::string("5 skills, jewels, 3-slot weapon"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(explainCancel, x3/5 skills jewels 3-slot weapon, 3, std::string("5 skills, jewels, 3-slot weapon"))
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
// clang-format on

} // namespace
