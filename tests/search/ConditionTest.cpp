#include "search/SearchCondition.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::sj;

TEST(RarityFilter, EachCodeFamilyPassesItsRarities)
{
    for (uint16_t r = 1; r <= 8; ++r) {
        EXPECT_EQ(rarityPasses(105, r), r >= 5) << "105 at " << r;
        EXPECT_EQ(rarityPasses(-3, r), r <= 3) << "-3 at " << r;
        EXPECT_EQ(rarityPasses(4, r), r == 4) << "4 at " << r;
        EXPECT_TRUE(rarityPasses(0, r)) << "0 at " << r;
        EXPECT_EQ(rarityPasses(102, r), r >= 2) << "102 at " << r;
        EXPECT_EQ(rarityPasses(108, r), r == 8) << "108 at " << r;
        EXPECT_EQ(rarityPasses(-7, r), r <= 7) << "-7 at " << r;
        EXPECT_EQ(rarityPasses(8, r), r == 8) << "8 at " << r;
    }
    // Values from 1 to 100 mean "exactly"; above 100 the rest is a lower bound.
    EXPECT_TRUE(rarityPasses(10, 10));
    EXPECT_FALSE(rarityPasses(10, 9));
    EXPECT_TRUE(rarityPasses(-1, 0));
    // Above 100 the filter reads a code as the condition text does ("レア10以上").
    EXPECT_TRUE(rarityPasses(110, 10));
    EXPECT_FALSE(rarityPasses(110, 9));
}

TEST(ItemKey, SexSpecificPiecesCarryTheirSexNumber)
{
    EquipItem both;
    both.name = sj("ソルZヘルム");
    EXPECT_EQ(itemKey(both), sj("ソルZヘルム"));

    EquipItem female = both;
    female.sex = kSexFemale;
    EXPECT_EQ(itemKey(female), sj("ソルZヘルム") + "_2");
    EquipItem male = both;
    male.sex = kSexMale;
    EXPECT_EQ(itemKey(male), sj("ソルZヘルム") + "_1");
}

namespace {

// Master records the condition points at; they outlive every condition in a test.
struct Master {
    Master()
    {
        head.part = PartHead;
        head.name = sj("表ヘルム");
        head.sex = kSexFemale;
        head.slots = 2;
        head.defence = 30;
        head.skills = {{1, 3}, {2, -2}};
        body.part = PartBody;
        body.name = sj("ソルメイル");
        body.slots = 1;
        body.skills = {{1, 2}};
        gem.name = sj("攻撃珠");
        gem.slots = 1;
        gem.skills = {{1, 1}, {3, -1}};
    }
    EquipItem head;
    EquipItem body;
    Jewel gem;
    WeaponSlotList weapons;
};

void fill(SearchCondition& c, const Master& m)
{
    c.sex = 2;
    c.job = 1;
    c.rarity = 105;
    c.minDefence = 123;
    c.useJewels = true;
    c.useExcludedItems = true;
    c.useExcludedSkills = true;
    c.requireSParts = true;
    c.maxResults = 500;
    c.wanted = {{1, 10}, {3, -10}};
    c.fixed.setWeapon(m.weapons.forSlots(2));
    c.fixed.addWeaponJewels({&m.gem, &m.gem});
    c.fixed.setPiece(PartHead, &m.head);
    c.fixed.addPieceJewels(PartHead, {&m.gem});
    c.excludedItems.add(m.body);
    c.excludedItems.add(m.gem);
    c.excludedSkills.add(2, -10, sj("悪い"));
    c.sParts.add(m.head);
}

void expectReset(const SearchCondition& c)
{
    EXPECT_EQ(c.sex, 0);
    EXPECT_EQ(c.job, 0);
    EXPECT_EQ(c.rarity, 0);
    EXPECT_EQ(c.minDefence, 0);
    EXPECT_FALSE(c.useJewels);
    EXPECT_FALSE(c.useExcludedItems);
    EXPECT_FALSE(c.useExcludedSkills);
    EXPECT_FALSE(c.requireSParts);
    EXPECT_EQ(c.maxResults, 10000u);
    EXPECT_TRUE(c.wanted.empty());
    EXPECT_EQ(c.fixed.weapon(), nullptr);
    EXPECT_EQ(c.fixed.weaponSlots().capacity, 0);
    EXPECT_TRUE(c.fixed.weaponSlots().jewels.empty());
    for (int part = 0; part < kPartCount; ++part) {
        EXPECT_EQ(c.fixed.piece(part), nullptr);
        EXPECT_EQ(c.fixed.pieceSlots(part).capacity, 0);
        EXPECT_TRUE(c.fixed.pieceSlots(part).jewels.empty());
    }
    EXPECT_TRUE(c.fixed.totals().values().empty());
    EXPECT_EQ(c.excludedItems.total(), 0u);
    EXPECT_EQ(c.excludedSkills.total(), 0u);
    EXPECT_EQ(c.sParts.total(), 0u);
}

} // namespace

TEST(SearchCondition, NewAndResetConditionsAreEmpty)
{
    Master m;
    SearchCondition fresh;
    expectReset(fresh);

    SearchCondition used;
    fill(used, m);
    used.reset();
    expectReset(used);
}

TEST(SearchCondition, CopySurvivesResetOfTheSource)
{
    Master m;
    SearchCondition source;
    fill(source, m);
    SearchCondition copy(source);
    source.reset();

    EXPECT_EQ(copy.sex, 2);
    EXPECT_EQ(copy.job, 1);
    EXPECT_EQ(copy.rarity, 105);
    EXPECT_EQ(copy.minDefence, 123);
    EXPECT_TRUE(copy.useJewels && copy.useExcludedItems && copy.useExcludedSkills && copy.requireSParts);
    EXPECT_EQ(copy.maxResults, 500u);
    ASSERT_EQ(copy.wanted.size(), 2u);
    EXPECT_EQ(copy.wanted[0].treeId, 1);
    EXPECT_EQ(copy.wanted[0].points, 10);
    EXPECT_EQ(copy.wanted[1].treeId, 3);
    EXPECT_EQ(copy.wanted[1].points, -10);

    EXPECT_EQ(copy.fixed.weapon(), m.weapons.forSlots(2));
    EXPECT_EQ(copy.fixed.weaponSlots().jewels.size(), 2u);
    EXPECT_EQ(copy.fixed.piece(PartHead), &m.head);
    ASSERT_EQ(copy.fixed.pieceSlots(PartHead).jewels.size(), 1u);
    EXPECT_EQ(copy.fixed.pieceSlots(PartHead).jewels[0], &m.gem);
    // head 3 + three jewels 1 each; jewels -1 each in tree 3; head -2 in tree 2.
    EXPECT_EQ(copy.fixed.totals().valueOf(1), 6);
    EXPECT_EQ(copy.fixed.totals().valueOf(2), -2);
    EXPECT_EQ(copy.fixed.totals().valueOf(3), -3);

    EXPECT_TRUE(copy.excludedItems.contains(m.body));
    EXPECT_TRUE(copy.excludedItems.contains(m.gem));
    EXPECT_EQ(copy.excludedItems.total(), 2u);
    EXPECT_EQ(copy.excludedItems.pieces(PartBody).at(m.body.name), &m.body);
    ASSERT_EQ(copy.excludedSkills.total(), 1u);
    EXPECT_TRUE(copy.excludedSkills.contains(2, -10));
    EXPECT_EQ(copy.excludedSkills.entries()[0].name, sj("悪い"));
    EXPECT_TRUE(copy.sParts.contains(m.head));
    EXPECT_EQ(copy.sParts.pieces(PartHead).count(sj("表ヘルム") + "_2"), 1u);
}

TEST(SearchCondition, ChangingTheCopyLeavesTheSourceAlone)
{
    Master m;
    SearchCondition source;
    fill(source, m);
    SearchCondition copy;
    copy = source;
    copy.wanted[0].points = 15;
    copy.fixed.setPiece(PartHead, nullptr);
    copy.excludedItems.clear();
    copy.excludedSkills.entries()[0].threshold = -15;
    copy.sParts.clear();

    EXPECT_EQ(source.wanted[0].points, 10);
    EXPECT_EQ(source.fixed.piece(PartHead), &m.head);
    EXPECT_EQ(source.fixed.totals().valueOf(1), 6);
    EXPECT_EQ(source.excludedItems.total(), 2u);
    EXPECT_TRUE(source.excludedSkills.contains(2, -10));
    EXPECT_EQ(source.sParts.total(), 1u);
}

TEST(SearchCondition, CopyOfAConditionWithoutListsEmptiesTheTarget)
{
    Master m;
    SearchCondition target;
    fill(target, m);
    // Switches off: the lists were never filled.
    SearchCondition plain;
    plain.sex = 1;
    plain.job = 2;
    plain.wanted = {{4, 15}};
    target = plain;

    EXPECT_FALSE(target.useExcludedItems || target.useExcludedSkills || target.requireSParts);
    EXPECT_EQ(target.excludedItems.total(), 0u);
    EXPECT_TRUE(target.excludedItems.jewels().empty());
    EXPECT_EQ(target.excludedSkills.total(), 0u);
    EXPECT_EQ(target.sParts.total(), 0u);
    EXPECT_EQ(target.fixed.weapon(), nullptr);
    EXPECT_EQ(target.fixed.piece(PartHead), nullptr);
    EXPECT_TRUE(target.fixed.totals().values().empty());
    ASSERT_EQ(target.wanted.size(), 1u);
    EXPECT_EQ(target.wanted[0].treeId, 4);
    EXPECT_EQ(target.maxResults, 10000u);
}
