// How a search ends: completed, at the result limit, on cancel and when memory
// runs out, with the results kept and the notices posted on the way.

#include "search/SearchTestSupport.h"

#include "platform/AllocationProbe.h"

#include <gtest/gtest.h>

namespace zeku::test {
namespace {

using Results = std::vector<std::string>;
using Codes = std::vector<int32_t>;

class SearchOutcomes : public SearchBehaviour {
protected:
    void TearDown() override { armAllocationFailure(0); }

    // Head groups <001:9> (bucket 5) and <001:5> (bucket 9): P9 is tried first.
    static void twoHeadGroups(TestMaster& master)
    {
        master.piece(PartHead, "P5", {{1, 5}});
        master.piece(PartHead, "P9", {{1, 9}});
    }
};

TEST_P(SearchOutcomes, FixedSetAloneSatisfyingPostsOneProgressAndOneHitCount)
{
    TestMaster master;
    master.piece(PartHead, "HF", {{1, 3}});
    master.jewel("J", {{1, 2}}, 1);
    SearchCondition condition = makeCondition({{1, 5}}, true);
    condition.fixed.setWeapon(master.weapon(2));
    condition.fixed.addWeaponJewels({&master.findJewel("J")});
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HF"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.outcome, OutcomeCompleted);
    EXPECT_EQ(run.notices, (Codes{FindStarted, FindProgress, FindHitCount}));
    EXPECT_EQ(run.results, (Results{"W2(J)|HF|-|-|-|-"}));
    EXPECT_EQ(run.total, 1u);
    EXPECT_EQ(run.done, 1u);
    EXPECT_EQ(run.rawTotal, 1u);
    EXPECT_EQ(run.rawDone, 1u);
    EXPECT_EQ(run.resultCount, 1u);
}

TEST_P(SearchOutcomes, FixedSetThatPassesPostsTheHitCountEvenWhenAcceptanceRejectsIt)
{
    TestMaster master;
    master.piece(PartHead, "HF", {{1, 5}}, {.defence = 10});
    SearchCondition condition = makeCondition({{1, 5}}, false);
    condition.minDefence = 20;
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HF"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.outcome, OutcomeCompleted);
    EXPECT_TRUE(run.results.empty());
    EXPECT_EQ(run.notices, (Codes{FindStarted, FindProgress, FindHitCount}));
    EXPECT_EQ(run.resultCount, 0u);
}

TEST_P(SearchOutcomes, ResultLimitKeepsExactlyTheMaximum)
{
    TestMaster master;
    for (int i = 1; i <= 6; ++i)
        master.piece(PartHead, "H" + std::to_string(i), {{1, 5}});
    SearchCondition condition = makeCondition({{1, 5}}, false);

    condition.maxResults = 5;
    SearchCapture five = search(master, condition);
    EXPECT_EQ(five.outcome, OutcomeLimitReached);
    EXPECT_EQ(five.results, (Results{"-|H1|-|-|-|-", "-|H2|-|-|-|-", "-|H3|-|-|-|-", "-|H4|-|-|-|-", "-|H5|-|-|-|-"}));
    EXPECT_EQ(five.noticesWithoutProgress(), (Codes{FindStarted, FindHitCount}));
    EXPECT_EQ(five.resultCount, 5u);

    condition.maxResults = 1;
    SearchCapture one = search(master, condition);
    EXPECT_EQ(one.outcome, OutcomeLimitReached);
    EXPECT_EQ(one.results, (Results{"-|H1|-|-|-|-"}));

    condition.maxResults = 6;
    SearchCapture six = search(master, condition);
    EXPECT_EQ(six.outcome, OutcomeCompleted);
    EXPECT_EQ(six.results.size(), 6u);
    EXPECT_EQ(six.done, six.total);
}

TEST_P(SearchOutcomes, LimitInALaterExpansionPostsItsHitCountBeforeEnding)
{
    TestMaster master;
    twoHeadGroups(master);
    SearchCondition condition = makeCondition({{1, 1}}, false);
    condition.maxResults = 1;

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.outcome, OutcomeLimitReached);
    EXPECT_EQ(run.results, (Results{"-|P9|-|-|-|-"}));
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted, FindHitCount, FindHitCount}));
    EXPECT_EQ(run.resultCount, 1u);
}

TEST_P(SearchOutcomes, CancelSeenAtTheFirstGroupEndsWithoutResults)
{
    TestMaster master;
    twoHeadGroups(master);
    SearchCapture run = search(master, makeCondition({{1, 1}}, false),
                               [](int32_t code, const SearchProgress&, std::atomic<int32_t>& cancel) {
                                   if (code == FindStarted)
                                       cancel = 1;
                               });
    EXPECT_EQ(run.outcome, OutcomeCancelled);
    EXPECT_TRUE(run.results.empty());
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted}));
    EXPECT_EQ(run.done, 1u); // only the fixed-set step ran
}

TEST_P(SearchOutcomes, CancelAfterAHitKeepsTheResultsStoredSoFar)
{
    TestMaster master;
    twoHeadGroups(master);
    SearchCapture run = search(master, makeCondition({{1, 1}}, false),
                               [](int32_t code, const SearchProgress&, std::atomic<int32_t>& cancel) {
                                   if (code == FindHitCount)
                                       cancel = 1;
                               });
    EXPECT_EQ(run.outcome, OutcomeCancelled);
    EXPECT_EQ(run.results, (Results{"-|P9|-|-|-|-"}));
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted, FindHitCount}));
}

TEST_P(SearchOutcomes, CancelDuringAnExpansionPostsTheHitCountFirst)
{
    // The last step (done == total) always posts progress; cancelling there
    // is seen by the expansion of P5, before its first piece.
    TestMaster master;
    twoHeadGroups(master);
    SearchCapture run = search(master, makeCondition({{1, 1}}, false),
                               [](int32_t code, const SearchProgress& progress, std::atomic<int32_t>& cancel) {
                                   if (code == FindProgress && progress.done == progress.total)
                                       cancel = 1;
                               });
    EXPECT_EQ(run.outcome, OutcomeCancelled);
    EXPECT_EQ(run.results, (Results{"-|P9|-|-|-|-"}));
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted, FindHitCount, FindHitCount}));
    EXPECT_EQ(run.resultCount, 1u);
    EXPECT_EQ(run.done, run.total);
}

TEST_P(SearchOutcomes, OutOfMemoryDuringPreparationPostsNothing)
{
    TestMaster master;
    twoHeadGroups(master);
    armAllocationFailure(1);
    SearchCapture run = search(master, makeCondition({{1, 1}}, false));
    EXPECT_EQ(run.outcome, OutcomeOutOfMemory);
    EXPECT_TRUE(run.notices.empty());
    EXPECT_TRUE(run.results.empty());
}

TEST_P(SearchOutcomes, OutOfMemoryWhileStoringKeepsTheResultsSoFar)
{
    // The test store has blocks of one record, so storing the second result
    // must allocate a block: that allocation fails.
    TestMaster master;
    twoHeadGroups(master);
    SearchCapture run =
        search(master, makeCondition({{1, 1}}, false), [](int32_t code, const SearchProgress&, std::atomic<int32_t>&) {
            if (code == FindHitCount)
                armAllocationFailure(1);
        });
    EXPECT_EQ(run.outcome, OutcomeOutOfMemory);
    EXPECT_EQ(run.results, (Results{"-|P9|-|-|-|-"}));
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted, FindHitCount}));
    EXPECT_EQ(run.resultCount, 1u);
}

TEST_P(SearchOutcomes, ResultCountAgreesWithTheStoreAfterMemoryRunsOutMidExpansion)
{
    // One group of three pieces: the first record takes a block (probe call 1),
    // the second takes another (2). That fails inside the expansion, so no hit
    // count is posted for it.
    TestMaster master;
    for (const char* name : {"H1", "H2", "H3"})
        master.piece(PartHead, name, {{1, 5}});
    SearchCapture run =
        search(master, makeCondition({{1, 5}}, false), [](int32_t code, const SearchProgress&, std::atomic<int32_t>&) {
            if (code == FindStarted)
                armAllocationFailure(2);
        });
    EXPECT_EQ(run.outcome, OutcomeOutOfMemory);
    EXPECT_EQ(run.results, (Results{"-|H1|-|-|-|-"}));
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted}));
    EXPECT_EQ(run.resultCount, 1u);
}

TEST_P(SearchOutcomes, SearchWithoutCancelCheckCompletesDespiteACancelRequest)
{
    // No candidates at all: nothing checks the flag, so the search completes.
    TestMaster master;
    master.piece(PartHead, "HX", {{7, 5}});
    SearchCondition condition = makeCondition({{1, 5}}, false);
    condition.fixed.setWeapon(master.weapon(1));
    SearchCapture run = search(master, condition, [](int32_t code, const SearchProgress&, std::atomic<int32_t>& c) {
        if (code == FindStarted)
            c = 1;
    });
    EXPECT_EQ(run.outcome, OutcomeCompleted);
    EXPECT_TRUE(run.results.empty());
    EXPECT_EQ(run.done, 1u);
}

INSTANTIATE_TEST_SUITE_P(Search, SearchOutcomes, ::testing::ValuesIn(searchImplementations()), ImplementationName());

} // namespace
} // namespace zeku::test
