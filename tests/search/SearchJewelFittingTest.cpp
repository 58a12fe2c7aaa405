// The greedy jewel fitting: which jewel is chosen, where it goes, and how the
// holders are re-packed when it does not fit. Each case fixes the pieces so
// that the only search step that can pass is the fitting under test.

#include "search/SearchTestSupport.h"

#include <gtest/gtest.h>

namespace zeku::test {
namespace {

using Results = std::vector<std::string>;

struct JewelSpec {
    std::string name;
    std::vector<SkillPoint> skills;
    uint16_t slots;
    uint16_t rarity;
};

struct ChoiceCase {
    const char* name;
    std::vector<JewelSpec> jewels; // in catalogue order
    const char* expected;
};

class SearchJewelFitting : public SearchBehaviour {};

// A fixed head with three free slots that brings tree 1 to 3 of 5 and already
// meets trees 2 and 3: the fitting first works on tree 1, needing 2 more.
TEST_P(SearchJewelFitting, ChoosesTheJewelByGainLossPenaltySlotsAndRarity)
{
    const std::vector<ChoiceCase> cases = {
        // Scores 1.5 and 1 put B first; equal gain 1 and loss 0; A, later,
        // wins on its smaller slot size although its penalty is worse. A
        // second A then gains more than B.
        {"SmallerSlotWins", {{"A", {{1, 1}, {9, -1}}, 1, 1}, {"B", {{1, 3}}, 2, 1}}, "-|HF(A,A)|-|-|-|-"},
        // Scores 2 and 1.5 put A2 first; B, later, wins on its penalty 0.
        {"LargerPenaltyWins", {{"A2", {{1, 1}, {2, 1}, {9, -1}}, 1, 1}, {"B", {{1, 3}}, 2, 1}}, "-|HF(B)|-|-|-|-"},
        // Same slot size: the lower rarity wins even with the worse penalty.
        {"LowerRarityWinsAtEqualSlots",
         {{"Y", {{1, 2}, {2, 1}}, 1, 5}, {"X", {{1, 2}, {9, -1}}, 1, 1}},
         "-|HF(X)|-|-|-|-"},
        // E takes tree 2 below its threshold: loss 1 against F's 0.
        {"SmallerLossWins", {{"E", {{1, 2}, {2, -1}, {3, 3}}, 1, 1}, {"F", {{1, 2}}, 1, 9}}, "-|HF(F)|-|-|-|-"},
        // G scores higher but gains 1 against K's 2.
        {"LargerGainWins", {{"G", {{1, 1}, {3, 5}}, 1, 1}, {"K", {{1, 2}}, 1, 9}}, "-|HF(K)|-|-|-|-"},
        {"EarlierStaysWhenAllIsEqual", {{"P1", {{1, 2}}, 1, 1}, {"P2", {{1, 2}}, 1, 1}}, "-|HF(P1)|-|-|-|-"},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestMaster master;
        master.piece(PartHead, "HF", {{1, 3}, {2, 1}, {3, 1}}, {.slots = 3});
        for (const JewelSpec& jewel : c.jewels)
            master.jewel(jewel.name, jewel.skills, jewel.slots, jewel.rarity);
        SearchCondition condition = makeCondition({{1, 5}, {2, 1}, {3, 1}}, true);
        condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HF"));
        EXPECT_EQ(search(master, condition).results, (Results{c.expected}));
    }
}

TEST_P(SearchJewelFitting, WantedBadSkillChoosesByTheMirroredRules)
{
    // Tree 1 wants -5 and stands at -2; trees 3 and 5 are met with room to
    // spare, so tree 1 (remaining -3) leads the deficits. P scores highest
    // but pushes tree 3 down to 0 (loss 0.5); Q gains the same 1.5 without
    // loss; N1 gains only 1.
    TestMaster master;
    master.piece(PartHead, "HN", {{1, -2}, {3, 5}, {5, 5}}, {.slots = 3});
    master.jewel("N1", {{1, -1}}, 1);
    master.jewel("P", {{1, -3}, {3, -5}, {5, 10}}, 2);
    master.jewel("Q", {{1, -3}}, 2, 9);
    SearchCondition condition = makeCondition({{1, -5}, {3, 1}, {5, 1}}, true);
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HN"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.results, (Results{"-|HN(Q)|-|-|-|-"}));
    EXPECT_EQ(run.resultTotals, (Results{"1:-5 3:5 5:5"}));
}

TEST_P(SearchJewelFitting, FirstDeficitIsWorkedOnEvenWhenAlreadyMet)
{
    // Tree 2 (wanted -2, at -5) is met but has the largest remaining points,
    // 3, so its list is used: M, the only jewel in it, gains 1 for tree 1.
    // A, better for tree 1 alone, is never considered.
    TestMaster master;
    master.piece(PartHead, "HF", {{1, 3}, {2, -5}}, {.slots = 3});
    master.jewel("A", {{1, 2}}, 1, 1);
    master.jewel("M", {{1, 1}, {2, -1}}, 1, 5);
    SearchCondition condition = makeCondition({{1, 5}, {2, -2}}, true);
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HF"));

    EXPECT_EQ(search(master, condition).results, (Results{"-|HF(M,M)|-|-|-|-"}));
}

TEST_P(SearchJewelFitting, MinimalityTestTakesOutTheJewelsOfTheRemovedGroup)
{
    // H1 and B1 reach 3; J in the head brings 6. Without the head and its
    // jewel only B1's 2 remain, so the set is minimal and stored.
    TestMaster master;
    master.piece(PartHead, "H1", {{1, 1}}, {.slots = 2});
    master.piece(PartBody, "B1", {{1, 2}});
    master.jewel("J", {{1, 3}}, 2);

    EXPECT_EQ(search(master, makeCondition({{1, 5}}, true)).results, (Results{"-|H1(J)|B1|-|-|-"}));
}

TEST_P(SearchJewelFitting, PlacesIntoExactEmptyHoldersFirstThenExactThenLarger)
{
    struct PlacementCase {
        const char* name;
        uint16_t weaponSlots;
        bool weaponHoldsK;
        bool headHoldsK;
        bool fixedBody;
        const char* jewel;
        const char* expected;
    };
    const std::vector<PlacementCase> cases = {
        // Exactly two free and empty beats three free.
        {"ExactEmptyPieceBeforeLargerPiece", 0, false, false, true, "J2", "-|HF3|BF2(J2)|-|-|-"},
        // An empty two-slot weapon beats two free slots beside a jewel.
        {"EmptyWeaponBeforeOccupiedPiece", 2, false, true, false, "J2", "W2(J2)|HF3(K)|-|-|-|-"},
        // With no empty holder, a piece with exactly two free comes before the weapon.
        {"OccupiedPieceBeforeOccupiedWeapon", 3, true, true, false, "J2", "W3(K)|HF3(K,J2)|-|-|-|-"},
        // No exact fit: size 2 is tried on the pieces and then the weapon before size 3.
        {"WeaponWithTwoFreeBeforePieceWithThree", 2, false, false, false, "J1", "W2(J1)|HF3|-|-|-|-"},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestMaster master;
        master.piece(PartHead, "HF3", {}, {.slots = 3});
        master.piece(PartBody, "BF2", {}, {.slots = 2});
        master.jewel("K", {{5, 1}}, 1);
        master.jewel(c.jewel, {{1, 2}}, c.jewel == std::string("J2") ? 2 : 1);
        SearchCondition condition = makeCondition({{1, 2}}, true);
        const Jewel* k = &master.findJewel("K");
        if (c.weaponSlots) {
            condition.fixed.setWeapon(master.weapon(c.weaponSlots));
            if (c.weaponHoldsK)
                condition.fixed.addWeaponJewels({k});
        }
        condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HF3"));
        if (c.headHoldsK)
            condition.fixed.addPieceJewels(PartHead, {k});
        if (c.fixedBody)
            condition.fixed.setPiece(PartBody, &master.findPiece(PartBody, "BF2"));
        EXPECT_EQ(search(master, condition).results, (Results{c.expected}));
    }
}

TEST_P(SearchJewelFitting, RepacksPlacedJewelsWhenTheNextOneDoesNotFit)
{
    // X goes to the body (two free, the nearest larger fit), Y to the head;
    // then one slot is free on each and Z (two slots) fits nowhere. Re-packing
    // takes Y and X out, puts Y into the body and X into the head, and Z
    // joins X.
    TestMaster master;
    master.piece(PartHead, "HR3", {}, {.slots = 3});
    master.piece(PartBody, "BR2", {}, {.slots = 2});
    master.jewel("X", {{1, 3}}, 1);
    master.jewel("Y", {{2, 2}}, 2);
    master.jewel("Z", {{3, 1}}, 2);
    SearchCondition condition = makeCondition({{1, 3}, {2, 2}, {3, 1}}, true);
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HR3"));
    condition.fixed.setPiece(PartBody, &master.findPiece(PartBody, "BR2"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.results, (Results{"-|HR3(X,Z)|BR2(Y)|-|-|-"}));
    EXPECT_EQ(run.resultTotals, (Results{"1:3 2:2 3:1"}));
}

TEST_P(SearchJewelFitting, RepackingLeavesFixedJewelsInPlace)
{
    // The head holds a fixed K. X joins K, Y takes the body; Z does not fit.
    // Re-packing takes out X and Y only: Y goes next to K, X into the body,
    // and Z joins X.
    TestMaster master;
    master.piece(PartHead, "HR3", {}, {.slots = 3});
    master.piece(PartBody, "BR3", {}, {.slots = 3});
    master.jewel("K", {{5, 1}}, 1);
    master.jewel("X", {{1, 3}}, 1);
    master.jewel("Y", {{2, 2}}, 2);
    master.jewel("Z", {{3, 1}}, 2);
    SearchCondition condition = makeCondition({{1, 3}, {2, 2}, {3, 1}}, true);
    condition.fixed.setPiece(PartHead, &master.findPiece(PartHead, "HR3"));
    condition.fixed.addPieceJewels(PartHead, {&master.findJewel("K")});
    condition.fixed.setPiece(PartBody, &master.findPiece(PartBody, "BR3"));

    SearchCapture run = search(master, condition);
    EXPECT_EQ(run.results, (Results{"-|HR3(K,Y)|BR3(X,Z)|-|-|-"}));
}

INSTANTIATE_TEST_SUITE_P(Search, SearchJewelFitting, ::testing::ValuesIn(searchImplementations()),
                         ImplementationName());

} // namespace
} // namespace zeku::test
