// The enumeration: which combinations become results, in which order, how the
// minimality test and the acceptance filters sort them out, and how the
// counters cover pruned branches. Run against the engine and the reference.

#include "search/SearchTestSupport.h"

#include <gtest/gtest.h>

namespace zeku::test {
namespace {

using Results = std::vector<std::string>;
using Codes = std::vector<int32_t>;

class SearchEnumeration : public SearchBehaviour {};

void expectCountersComplete(const SearchCapture& run)
{
    EXPECT_EQ(run.done, run.total);
    EXPECT_EQ(run.rawDone, run.rawTotal);
}

TEST_P(SearchEnumeration, FixedPiecesThatSatisfyAloneAreTheOnlyResult)
{
    TestMaster master;
    master.piece(PartHead, "HF", {{1, 5}});
    master.piece(PartBody, "B1", {{1, 2}});
    master.piece(PartArm, "A1", {{1, 1}});
    SearchCondition condition = makeCondition({{1, 5}}, false);
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HF"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.results, (Results{"-|HF|-|-|-|-"}));
    EXPECT_EQ(run.noticesWithoutProgress(), (Codes{FindStarted, FindHitCount}));
    EXPECT_EQ(run.total, 4u); // the fixed head contributes a factor 1
    expectCountersComplete(run);
}

TEST_P(SearchEnumeration, OnlyMinimalCombinationsAreStoredInEnumerationOrder)
{
    // Body groups: <001:5> (bucket 9) before <001:2> (bucket 12).
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 3}});
    master.piece(PartBody, "B1", {{1, 2}});
    master.piece(PartBody, "B2", {{1, 5}});
    master.piece(PartArm, "A1", {{1, 5}});
    SearchCapture run = search(master, makeCondition({{1, 5}}, false));

    EXPECT_EQ(run.results, (Results{"-|H1|B1|-|-|-", "-|-|B2|-|-|-", "-|-|-|A1|-|-"}));
    EXPECT_EQ(run.total, 12u);
    expectCountersComplete(run);
    EXPECT_EQ(run.resultCount, 3u);
}

TEST_P(SearchEnumeration, PassingHeadLeavesFourPartsEmptyAndCountsItsSupersets)
{
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 5}});
    master.piece(PartBody, "B1", {{1, 1}});
    master.piece(PartLeg, "L1", {{1, 2}});
    SearchCapture run = search(master, makeCondition({{1, 5}}, false));

    EXPECT_EQ(run.results, (Results{"-|H1|-|-|-|-"}));
    EXPECT_EQ(run.total, 8u);
    expectCountersComplete(run);
}

TEST_P(SearchEnumeration, WantedBadSkillIsMetAtOrBelowItsThreshold)
{
    TestMaster master;
    master.piece(PartHead, "H1", {{1, -3}});
    master.piece(PartHead, "H2", {{1, 2}, {2, 1}}); // dropped: its only wanted skill is positive
    master.piece(PartBody, "B1", {{1, -2}});
    master.piece(PartBody, "B2", {{1, -6}});
    SearchCapture run = search(master, makeCondition({{1, -5}}, false));

    EXPECT_EQ(run.results, (Results{"-|H1|B1|-|-|-", "-|-|B2|-|-|-"}));
    EXPECT_EQ(run.total, 6u);
    expectCountersComplete(run);
}

TEST_P(SearchEnumeration, SearchUsesTheFirstEntryOfATreeWhileResultsAddThemAll)
{
    TestMaster master;
    master.piece(PartHead, "X", {{1, -6}, {1, -6}});
    master.piece(PartHead, "D", {{1, 2}, {1, -5}});
    master.piece(PartBody, "Y", {{1, -4}});
    SearchCapture run = search(master, makeCondition({{1, -10}}, false));

    EXPECT_EQ(run.results, (Results{"-|X|Y|-|-|-"}));
    EXPECT_EQ(run.resultTotals, (Results{"1:-16"}));
    EXPECT_EQ(run.total, 4u);
}

TEST_P(SearchEnumeration, AcceptanceFiltersTheExpandedSets)
{
    TestMaster master;
    master.piece(PartHead, "HA", {{1, 5}}, {.defence = 10});
    master.piece(PartHead, "HB", {{1, 5}}, {.defence = 30});
    master.piece(PartHead, "HC", {{1, 5}, {8, 10}}, {.defence = 50});
    master.piece(PartHead, "HD", {{1, 5}, {9, -10}}, {.defence = 40});
    master.piece(PartBody, "BS", {{5, 1}});
    const SearchCondition base = makeCondition({{1, 5}}, false);

    EXPECT_EQ(search(master, base).results.size(), 4u);

    SearchCondition defence = base;
    defence.minDefence = 30;
    EXPECT_EQ(search(master, defence).results, (Results{"-|HB|-|-|-|-", "-|HC|-|-|-|-", "-|HD|-|-|-|-"}));

    SearchCondition skills = base;
    skills.excludedSkills.add(8, 10);
    skills.excludedSkills.add(9, -10);
    skills.excludedSkills.add(7, 5);
    EXPECT_EQ(search(master, skills).results.size(), 4u); // switch off
    skills.useExcludedSkills = true;
    EXPECT_EQ(search(master, skills).results, (Results{"-|HA|-|-|-|-", "-|HB|-|-|-|-"}));

    SearchCondition unmet = base;
    unmet.useExcludedSkills = true;
    unmet.excludedSkills.add(8, 15);
    unmet.excludedSkills.add(9, -15);
    EXPECT_EQ(search(master, unmet).results.size(), 4u);

    SearchCondition sParts = base;
    sParts.requireSParts = true;
    sParts.sParts.add(master.findPiece(PartHead, "HA"));
    sParts.sParts.add(master.findPiece(PartHead, "HD"));
    EXPECT_EQ(search(master, sParts).results, (Results{"-|HA|-|-|-|-", "-|HD|-|-|-|-"}));

    SearchCondition notWorn = base;
    notWorn.requireSParts = true;
    notWorn.sParts.add(master.findPiece(PartBody, "BS"));
    SearchCapture none = search(master, notWorn);
    EXPECT_TRUE(none.results.empty());
    EXPECT_EQ(none.outcome, OutcomeCompleted);
}

TEST_P(SearchEnumeration, JewelsAreFittedOnlyWhenEveryPartWithCandidatesHoldsAGroup)
{
    // Head groups: <001:3><S:2> (bucket 8) before <001:5><S:0> (bucket 11).
    // H1 with the jewel would reach 5 alone, but the body has a candidate, so
    // H1 gets a jewel only together with B1, and then B1 is superfluous.
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 3}}, {.slots = 2});
    master.piece(PartHead, "H2", {{1, 5}});
    master.piece(PartBody, "B1", {{1, 1}});
    master.jewel("J", {{1, 2}}, 1);
    SearchCapture run = search(master, makeCondition({{1, 5}}, true));

    EXPECT_EQ(run.results, (Results{"-|H2|-|-|-|-"}));
    EXPECT_EQ(run.total, 6u);
    expectCountersComplete(run);
}

TEST_P(SearchEnumeration, FixedWeaponJewelsCountWithoutJewelFitting)
{
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 3}});
    master.piece(PartHead, "H2", {{1, 1}});
    master.jewel("J", {{1, 2}}, 1);
    SearchCondition condition = makeCondition({{1, 5}}, false);
    condition.fixed.setWeapon(master.weapon(1));
    condition.fixed.addWeaponJewels({&master.findJewel("J")});

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.results, (Results{"W1(J)|H1|-|-|-|-"}));
    EXPECT_EQ(run.resultTotals, (Results{"1:5"}));
}

INSTANTIATE_TEST_SUITE_P(Search, SearchEnumeration, ::testing::ValuesIn(searchImplementations()), ImplementationName());

} // namespace
} // namespace zeku::test
