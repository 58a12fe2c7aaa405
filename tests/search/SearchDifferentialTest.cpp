// The engine against the reference on random catalogues and conditions: both
// must end the same way, with the same counters, results, notices (apart from
// the time-driven progress ones) and reordered wanted list.

#include "search/RandomWorld.h"
#include "search/SearchTestSupport.h"

#include "reference/ReferenceSearch.h"
#include "platform/AllocationProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace zeku::test {
namespace {

constexpr uint64_t kRandomSeeds = 300 / kSanitizerDivisor;
constexpr uint64_t kAbandonedSeeds = 120 / kSanitizerDivisor;

// The first difference between the two runs, or an empty text.
std::string firstDifference(const SearchCapture& engine, const SearchCapture& reference)
{
    std::ostringstream text;
    if (engine.outcome != reference.outcome)
        text << "outcome " << engine.outcome << " vs " << reference.outcome << "\n";
    const std::pair<const char*, std::pair<uint64_t, uint64_t>> counters[] = {
        {"total", {engine.total, reference.total}},
        {"done", {engine.done, reference.done}},
        {"rawTotal", {engine.rawTotal, reference.rawTotal}},
        {"rawDone", {engine.rawDone, reference.rawDone}},
        {"resultCount", {engine.resultCount, reference.resultCount}},
    };
    for (const auto& [name, values] : counters)
        if (values.first != values.second)
            text << name << " " << values.first << " vs " << values.second << "\n";
    const std::size_t common = std::min(engine.results.size(), reference.results.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (engine.results[i] != reference.results[i] || engine.resultTotals[i] != reference.resultTotals[i]) {
            text << "result " << i + 1 << ": " << engine.results[i] << " [" << engine.resultTotals[i] << "] vs "
                 << reference.results[i] << " [" << reference.resultTotals[i] << "]\n";
            break;
        }
    }
    if (engine.results.size() != reference.results.size()) {
        text << "result count " << engine.results.size() << " vs " << reference.results.size();
        const auto& longer = engine.results.size() > reference.results.size() ? engine : reference;
        text << "; first extra: " << longer.results[common] << "\n";
    }
    if (engine.noticesWithoutProgress() != reference.noticesWithoutProgress())
        text << "notice sequences differ (" << engine.noticesWithoutProgress().size() << " vs "
             << reference.noticesWithoutProgress().size() << " notices)\n";
    if (describeWanted(engine.wantedAfter) != describeWanted(reference.wantedAfter))
        text << "wanted order differs\n";
    return text.str();
}

// What every finished run must satisfy, whichever implementation made it.
void expectConsistent(const SearchCapture& run, const SearchCondition& condition)
{
    ASSERT_FALSE(run.notices.empty());
    EXPECT_EQ(run.notices.front(), FindStarted);
    if (run.notices.size() > 1) {
        EXPECT_EQ(run.notices[1], FindProgress); // the first step always reports
    }
    EXPECT_LE(run.results.size(), condition.maxResults);
    if (run.outcome == OutcomeCompleted) {
        EXPECT_EQ(run.done, run.total);
        EXPECT_EQ(run.rawDone, run.rawTotal);
    }
    if (run.outcome == OutcomeLimitReached) {
        EXPECT_EQ(run.results.size(), condition.maxResults);
    }
}

TEST(SearchDifferential, EngineMatchesReferenceOnRandomCatalogues)
{
    int mismatches = 0;
    int withResults = 0;
    int limited = 0;
    for (uint64_t seed = 1; seed <= kRandomSeeds; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        const SearchCapture engine = runSearch(&runCombinationSearch, world->master.data(), world->condition);
        const SearchCapture reference = runSearch(&runReferenceSearch, world->master.data(), world->condition);
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + world->summary);
        expectConsistent(reference, world->condition);
        expectConsistent(engine, world->condition);
        const std::string difference = firstDifference(engine, reference);
        EXPECT_EQ(difference, "");
        if (!difference.empty() && ++mismatches >= 5)
            break;
        withResults += reference.results.empty() ? 0 : 1;
        limited += reference.outcome == OutcomeLimitReached ? 1 : 0;
    }
    // The generator must keep producing searches that find something.
    EXPECT_GT(withResults, static_cast<int>(kRandomSeeds / 5));
    EXPECT_GT(limited, static_cast<int>(kRandomSeeds / 30));
}

// Ends a run early in one of the ways a search can be abandoned.
struct Interruption {
    const char* name;
    NoticeHook hook;
};

std::vector<Interruption> interruptions()
{
    return {
        {"cancel at start",
         [](int32_t code, const SearchProgress&, std::atomic<int32_t>& cancel) {
             if (code == FindStarted)
                 cancel = 1;
         }},
        {"cancel after the second hit",
         [hits = 0](int32_t code, const SearchProgress&, std::atomic<int32_t>& cancel) mutable {
             if (code == FindHitCount && ++hits == 2)
                 cancel = 1;
         }},
        {"cancel at the last step",
         [](int32_t code, const SearchProgress& progress, std::atomic<int32_t>& cancel) {
             if (code == FindProgress && progress.done == progress.total)
                 cancel = 1;
         }},
        {"memory runs out after the first hit",
         [](int32_t code, const SearchProgress&, std::atomic<int32_t>&) {
             if (code == FindHitCount)
                 armAllocationFailure(1);
         }},
    };
}

TEST(SearchDifferential, EngineMatchesReferenceWhenAbandoned)
{
    int mismatches = 0;
    for (uint64_t seed = 1; seed <= kAbandonedSeeds && mismatches < 5; ++seed) {
        std::unique_ptr<RandomWorld> world = makeWorld(seed);
        for (const Interruption& interruption : interruptions()) {
            // Each run gets its own copy of the hook, so stateful hooks start afresh.
            const SearchCapture engine =
                runSearch(&runCombinationSearch, world->master.data(), world->condition, NoticeHook(interruption.hook));
            armAllocationFailure(0);
            const SearchCapture reference =
                runSearch(&runReferenceSearch, world->master.data(), world->condition, NoticeHook(interruption.hook));
            armAllocationFailure(0);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + interruption.name + ": " + world->summary);
            const std::string difference = firstDifference(engine, reference);
            EXPECT_EQ(difference, "");
            if (!difference.empty())
                ++mismatches;
        }
    }
}

} // namespace
} // namespace zeku::test
