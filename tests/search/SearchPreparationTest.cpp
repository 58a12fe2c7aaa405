// How pieces become candidate groups and how the jewel lists reorder the
// wanted skills, seen through the results, counters and wanted list of whole
// searches run by the engine and by the reference.

#include "search/SearchTestSupport.h"

#include <gtest/gtest.h>

namespace zeku::test {
namespace {

using Results = std::vector<std::string>;

class SearchPreparation : public SearchBehaviour {};

TEST_P(SearchPreparation, PiecesWithTheSameWantedPointsFormOneGroup)
{
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 5}}, {.defence = 10});
    master.piece(PartHead, "H2", {{1, 5}, {9, 3}}, {.defence = 20});
    SearchCapture run = search(master, makeCondition({{1, 5}}, false));

    EXPECT_EQ(run.results, (Results{"-|H1|-|-|-|-", "-|H2|-|-|-|-"}));
    EXPECT_EQ(run.total, 2u); // one group, plus leaving the head empty
    EXPECT_EQ(run.rawTotal, 3u);
    EXPECT_EQ(run.done, 2u);
    EXPECT_EQ(run.rawDone, 3u);
}

TEST_P(SearchPreparation, SlotCountSplitsGroupsOnlyWhenJewelsAreUsed)
{
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 5}}, {.slots = 1});
    master.piece(PartHead, "H2", {{1, 5}}, {.slots = 2});

    // <001:5><S:2> lies in bucket 9, <001:5><S:1> in bucket 10.
    SearchCapture withJewels = search(master, makeCondition({{1, 5}}, true));
    EXPECT_EQ(withJewels.results, (Results{"-|H2|-|-|-|-", "-|H1|-|-|-|-"}));
    EXPECT_EQ(withJewels.total, 3u);

    SearchCapture without = search(master, makeCondition({{1, 5}}, false));
    EXPECT_EQ(without.results, (Results{"-|H1|-|-|-|-", "-|H2|-|-|-|-"}));
    EXPECT_EQ(without.total, 2u);
}

TEST_P(SearchPreparation, DropsOnlyPiecesWhoseSingleWantedSkillHasTheWrongSign)
{
    TestMaster master;
    master.piece(PartHead, "A", {{1, 2}}); // only wanted skill positive, wanted -10
    master.piece(PartHead, "B", {{1, 2}, {2, -3}}); // two wanted skills: kept
    master.piece(PartHead, "D", {{1, 0}, {5, 3}}); // a zero has no sign: kept
    master.piece(PartHead, "F", {{1, -2}}); // same sign: kept
    master.piece(PartHead, "G", {{7, 3}}); // no wanted skill
    master.piece(PartHead, "H", {{1, 2}, {1, -5}}); // only the first entry of tree 1 counts
    master.piece(PartBody, "C", {{2, -1}}); // negative against wanted +5
    SearchCapture run = search(master, makeCondition({{1, -10}, {2, 5}}, false));

    EXPECT_TRUE(run.results.empty());
    EXPECT_EQ(run.outcome, OutcomeCompleted);
    EXPECT_EQ(run.total, 4u); // head: B, D, F; body: none
    EXPECT_EQ(run.rawTotal, 4u);
    EXPECT_EQ(run.done, 4u);
}

TEST_P(SearchPreparation, GroupsAreTriedInTheOrderOfTheSeventeenBucketHash)
{
    // Buckets: <001:9> 5, <001:5> 9, <001:2> and <001:11> 12, <001:1> and
    // <001:10> 13. Within a bucket the group created last comes first.
    TestMaster master;
    for (int points : {1, 5, 10, 9, 2, 11})
        master.piece(PartHead, "P" + std::to_string(points), {{1, static_cast<int16_t>(points)}});
    SearchCapture run = search(master, makeCondition({{1, 1}}, false));

    EXPECT_EQ(run.results, (Results{"-|P9|-|-|-|-", "-|P5|-|-|-|-", "-|P11|-|-|-|-", "-|P2|-|-|-|-", "-|P10|-|-|-|-",
                                    "-|P1|-|-|-|-"}));
}

TEST_P(SearchPreparation, SexJobAndRarityFilterThePieces)
{
    TestMaster master;
    master.piece(PartHead, "P0", {{1, 5}}, {.rarity = 4});
    master.piece(PartHead, "PM", {{1, 5}}, {.sex = kSexMale, .rarity = 4});
    master.piece(PartHead, "PF", {{1, 5}}, {.sex = kSexFemale, .rarity = 4});
    master.piece(PartHead, "PB", {{1, 5}}, {.job = kJobBlade, .rarity = 4});
    master.piece(PartHead, "PG", {{1, 5}}, {.job = kJobGunner, .rarity = 4});
    master.piece(PartHead, "R3", {{1, 5}}, {.rarity = 3});
    master.piece(PartHead, "R6", {{1, 5}}, {.rarity = 6});

    auto names = [&](uint16_t sex, uint16_t job, int16_t rarity) {
        SearchCondition condition = makeCondition({{1, 5}}, false);
        condition.sex = sex;
        condition.job = job;
        condition.rarity = rarity;
        Results heads;
        for (const std::string& result : search(master, condition).results)
            heads.push_back(result.substr(2, result.find('|', 2) - 2));
        return heads;
    };
    EXPECT_EQ(names(kSexMale, kJobBlade, -4), (Results{"P0", "PM", "PB", "R3"}));
    EXPECT_EQ(names(kSexFemale, kJobGunner, 104), (Results{"P0", "PF", "PG", "R6"}));
    EXPECT_EQ(names(kSexMale, kJobBlade, 4), (Results{"P0", "PM", "PB"}));
    EXPECT_EQ(names(kSexMale, kJobGunner, 0), (Results{"P0", "PM", "PG", "R3", "R6"}));
}

TEST_P(SearchPreparation, ExcludedPiecesAreDroppedOnlyWhenTheSwitchIsOn)
{
    TestMaster master;
    master.piece(PartHead, "HA", {{1, 5}});
    master.piece(PartHead, "HB", {{1, 5}});
    master.piece(PartHead, "HB", {{1, 5}}, {.sex = kSexMale}); // keyed HB_1, not HB
    SearchCondition condition = makeCondition({{1, 5}}, false);
    condition.excludedItems.add(master.findPiece(PartHead, "HB", 0));

    SearchCapture off = search(master, condition);
    EXPECT_EQ(off.results.size(), 3u);

    condition.useExcludedItems = true;
    SearchCapture on = search(master, condition);
    EXPECT_EQ(on.results, (Results{"-|HA|-|-|-|-", "-|HB|-|-|-|-"}));
    EXPECT_EQ(on.rawTotal, 3u);
}

TEST_P(SearchPreparation, JewelListsReorderTheWantedSkills)
{
    // Tree 1 is served only by an excluded jewel (its list exists, empty),
    // tree 3 only by a jewel without slots (no list), tree 2 by two jewels,
    // trees 4 and 5 by one jewel each, of two and of one slot.
    TestMaster master;
    master.jewel("E", {{1, 3}}, 1);
    master.jewel("F1", {{2, 3}}, 1);
    master.jewel("F2", {{2, 2}}, 1);
    master.jewel("Z", {{3, 3}}, 0);
    master.jewel("S2", {{4, 2}}, 2);
    master.jewel("S1", {{5, 2}}, 1);
    SearchCondition condition = makeCondition({{2, 5}, {1, 5}, {3, 5}, {4, 2}, {5, 2}}, true);
    condition.useExcludedItems = true;
    condition.excludedItems.add(master.findJewel("E"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(describeWanted(run.wantedAfter), (Results{"3:5", "1:5", "4:2", "5:2", "2:5"}));
    EXPECT_EQ(run.outcome, OutcomeCompleted);

    condition.useJewels = false;
    SearchCapture noJewels = search(master, condition);
    EXPECT_EQ(describeWanted(noJewels.wantedAfter), (Results{"2:5", "1:5", "3:5", "4:2", "5:2"}));
}

TEST_P(SearchPreparation, JewelWithoutSlotsIsNeverFitted)
{
    TestMaster master;
    master.piece(PartHead, "HS", {}, {.slots = 1});
    master.jewel("Z0", {{1, 5}}, 0);
    master.jewel("J", {{1, 2}}, 1, 9);
    SearchCondition condition = makeCondition({{1, 2}}, true);
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HS"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.results, (Results{"-|HS(J)|-|-|-|-"}));
}

INSTANTIATE_TEST_SUITE_P(Search, SearchPreparation, ::testing::ValuesIn(searchImplementations()), ImplementationName());

} // namespace
} // namespace zeku::test
