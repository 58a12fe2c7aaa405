#include "search/EquipSet.h"

#include <gtest/gtest.h>

using namespace zeku;

namespace {

EquipItem piece(PartKind part, uint16_t defence, uint16_t slots, std::vector<SkillPoint> skills)
{
    EquipItem p;
    p.part = part;
    p.name = "piece" + std::to_string(part) + "_" + std::to_string(defence);
    p.defence = defence;
    p.slots = slots;
    p.skills = std::move(skills);
    return p;
}

Jewel jewel(uint16_t slots, std::vector<SkillPoint> skills)
{
    return Jewel{"jewel" + std::to_string(slots), 0, slots, std::move(skills)};
}

// The totals the set must carry: every skill point of every piece and placed jewel.
TreeTotals expectedTotals(const EquipSet& set)
{
    TreeTotals sum;
    auto addAll = [&](const std::vector<SkillPoint>& skills) {
        for (const SkillPoint& p : skills)
            sum[p.treeId] = static_cast<int16_t>(sum[p.treeId] + p.points);
    };
    for (const Jewel* j : set.weaponSlots().jewels)
        addAll(j->skills);
    for (int part = 0; part < kPartCount; ++part) {
        if (set.piece(part))
            addAll(set.piece(part)->skills);
        for (const Jewel* j : set.pieceSlots(part).jewels)
            addAll(j->skills);
    }
    return sum;
}

// Compares values; an entry that dropped to 0 may stay in the table.
void expectConsistent(const EquipSet& set)
{
    TreeTotals expected = expectedTotals(set);
    for (const auto& [tree, total] : expected)
        EXPECT_EQ(set.totals().valueOf(tree), total) << "tree " << tree;
    for (const auto& [tree, total] : set.totals().values()) {
        if (!expected.count(tree)) {
            EXPECT_EQ(total, 0) << "tree " << tree << " holds points of nothing worn";
        }
    }
}

// Small master data shared by the tests.
struct Fixture {
    EquipItem head = piece(PartHead, 10, 2, {{1, 3}, {2, -1}});
    EquipItem head2 = piece(PartHead, 15, 1, {{1, 1}, {3, 4}});
    EquipItem arm = piece(PartArm, 20, 3, {{2, 5}});
    EquipItem leg = piece(PartLeg, 7, 0, {{1, 2}, {1, 2}}); // the same tree twice
    Jewel one = jewel(1, {{1, 1}, {2, -1}});
    Jewel two = jewel(2, {{3, 2}});
    Jewel three = jewel(3, {{4, 3}});
    Jewel zero = jewel(0, {{5, 1}});
    WeaponSlotList weapons;
};

} // namespace

TEST(SkillTotals, AddCreatesAndSubtractOnlyTouchesExistingEntries)
{
    SkillTotals t;
    t.subtract({7, 3});
    EXPECT_TRUE(t.values().empty());
    EXPECT_FALSE(t.changed());

    t.add({7, 3});
    EXPECT_TRUE(t.changed());
    t.clearChanged();
    t.subtract({7, 3});
    EXPECT_TRUE(t.changed());
    ASSERT_EQ(t.values().count(7), 1u); // kept at 0
    EXPECT_EQ(t.valueOf(7), 0);
    EXPECT_EQ(t.valueOf(8), 0);

    t.clearChanged();
    t.subtract({8, 1});
    EXPECT_FALSE(t.changed());
    EXPECT_EQ(t.values().count(8), 0u);

    t.add({9, 32767});
    t.add({9, 1});
    EXPECT_EQ(t.valueOf(9), -32768); // 16-bit arithmetic
}

TEST(EquipSet, TotalsFollowSetReplaceAndRemoveOfPieces)
{
    Fixture f;
    EquipSet set;
    set.setPiece(PartHead, &f.head);
    set.setPiece(PartArm, &f.arm);
    set.setPiece(PartLeg, &f.leg);
    expectConsistent(set);
    EXPECT_EQ(set.totals().valueOf(1), 7);
    EXPECT_EQ(set.totals().valueOf(2), 4);

    ASSERT_TRUE(set.addPieceJewels(PartHead, {&f.one, &f.one}));
    EXPECT_EQ(set.totals().valueOf(1), 9);
    expectConsistent(set);

    // Replacing the head drops its jewels with it.
    set.setPiece(PartHead, &f.head2);
    EXPECT_TRUE(set.pieceSlots(PartHead).jewels.empty());
    EXPECT_EQ(set.pieceSlots(PartHead).used, 0);
    EXPECT_EQ(set.pieceSlots(PartHead).capacity, 1);
    EXPECT_EQ(set.totals().valueOf(1), 5);
    EXPECT_EQ(set.totals().valueOf(3), 4);
    expectConsistent(set);

    set.setPiece(PartLeg, nullptr);
    set.setPiece(PartHead, nullptr);
    EXPECT_EQ(set.piece(PartHead), nullptr);
    EXPECT_EQ(set.pieceSlots(PartHead).capacity, 0);
    expectConsistent(set);
    EXPECT_EQ(set.totals().valueOf(2), 5);
}

TEST(EquipSet, ReplacingTheWeaponDropsItsJewelsPoints)
{
    Fixture f;
    EquipSet set;
    set.setPiece(PartHead, &f.head);
    set.setWeapon(f.weapons.forSlots(3));
    EXPECT_EQ(set.weaponSlots().capacity, 3);
    ASSERT_TRUE(set.addWeaponJewels({&f.one, &f.two}));
    EXPECT_EQ(set.totals().valueOf(3), 2);
    expectConsistent(set);

    set.setWeapon(f.weapons.forSlots(1));
    EXPECT_EQ(set.weapon(), f.weapons.forSlots(1));
    EXPECT_TRUE(set.weaponSlots().jewels.empty());
    EXPECT_EQ(set.weaponSlots().capacity, 1);
    EXPECT_EQ(set.weaponSlots().used, 0);
    EXPECT_EQ(set.totals().valueOf(3), 0);
    EXPECT_EQ(set.totals().valueOf(1), 3); // the head's points stay
    expectConsistent(set);

    ASSERT_TRUE(set.addWeaponJewels({&f.one}));
    set.setWeapon(nullptr);
    EXPECT_EQ(set.weaponSlots().capacity, 0);
    EXPECT_FALSE(set.addWeaponJewels({&f.one}));
    expectConsistent(set);
}

TEST(EquipSet, JewelListNeedingTooManySlotsIsRefusedAsAWhole)
{
    Fixture f;
    EquipSet set;
    set.setWeapon(f.weapons.forSlots(2));
    EXPECT_FALSE(set.addWeaponJewels({&f.one, &f.two})); // 3 slots needed, 2 free
    EXPECT_TRUE(set.weaponSlots().jewels.empty());
    EXPECT_EQ(set.weaponSlots().used, 0);
    EXPECT_TRUE(set.totals().values().empty());

    set.setPiece(PartArm, &f.arm);
    ASSERT_TRUE(set.addPieceJewels(PartArm, {&f.two}));
    EXPECT_FALSE(set.addPieceJewels(PartArm, {&f.one, &f.one})); // 2 needed, 1 free
    EXPECT_EQ(set.pieceSlots(PartArm).jewels.size(), 1u);
    EXPECT_EQ(set.pieceSlots(PartArm).used, 2);
    expectConsistent(set);

    // No piece means no slots.
    EXPECT_FALSE(set.addPieceJewels(PartBody, {&f.one}));
    EXPECT_TRUE(set.pieceSlots(PartBody).jewels.empty());
}

TEST(EquipSet, JewelsThatFitAreAppendedInOrder)
{
    Fixture f;
    EquipSet set;
    set.setPiece(PartArm, &f.arm);
    ASSERT_TRUE(set.addPieceJewels(PartArm, {&f.one}));
    ASSERT_TRUE(set.addPieceJewels(PartArm, {&f.one, &f.zero, &f.one}));
    const JewelSlots& slots = set.pieceSlots(PartArm);
    ASSERT_EQ(slots.jewels.size(), 4u);
    EXPECT_EQ(slots.jewels[1], &f.one);
    EXPECT_EQ(slots.jewels[2], &f.zero);
    EXPECT_EQ(slots.used, 3);
    EXPECT_EQ(slots.freeSlots(), 0);
    // A jewel that takes no slot still fits a full piece.
    EXPECT_TRUE(set.addPieceJewels(PartArm, {&f.zero}));
    EXPECT_EQ(set.totals().valueOf(5), 2);
    expectConsistent(set);
    EXPECT_TRUE(set.addPieceJewels(PartArm, {})); // nothing to add
}

TEST(EquipSet, SlotAndDefenceSumsSkipMissingPieces)
{
    Fixture f;
    EquipSet set;
    EXPECT_EQ(set.totalDefence(), 0);
    EXPECT_EQ(set.totalSlots(), 0);
    set.setWeapon(f.weapons.forSlots(1));
    set.setPiece(PartHead, &f.head); // 10 def, 2 slots
    set.setPiece(PartArm, &f.arm); // 20 def, 3 slots
    set.setPiece(PartLeg, &f.leg); // 7 def, 0 slots
    ASSERT_TRUE(set.addWeaponJewels({&f.one}));
    ASSERT_TRUE(set.addPieceJewels(PartArm, {&f.two}));
    EXPECT_EQ(set.totalDefence(), 37);
    EXPECT_EQ(set.totalSlots(), 6);
    EXPECT_EQ(set.usedSlots(), 3);
    EXPECT_EQ(set.freeSlots(), 3);

    EquipItem heavy = piece(PartBody, 65535, 0, {});
    set.setPiece(PartBody, &heavy);
    EXPECT_EQ(set.totalDefence(), 36); // 16-bit sum
}

TEST(EquipSet, CopyIsIndependentAndRecomputesTotals)
{
    Fixture f;
    EquipSet source;
    source.setWeapon(f.weapons.forSlots(2));
    source.addWeaponJewels({&f.two});
    source.setPiece(PartHead, &f.head);
    source.addPieceJewels(PartHead, {&f.one});
    source.setPiece(PartArm, &f.arm);

    EquipSet copy(source);
    source.clear();
    EXPECT_EQ(source.piece(PartHead), nullptr);
    EXPECT_TRUE(source.totals().values().empty());

    EXPECT_EQ(copy.weapon(), f.weapons.forSlots(2));
    ASSERT_EQ(copy.weaponSlots().jewels.size(), 1u);
    EXPECT_EQ(copy.weaponSlots().jewels[0], &f.two);
    EXPECT_EQ(copy.piece(PartHead), &f.head);
    EXPECT_EQ(copy.piece(PartArm), &f.arm);
    ASSERT_EQ(copy.pieceSlots(PartHead).jewels.size(), 1u);
    EXPECT_EQ(copy.pieceSlots(PartHead).used, 1);
    EXPECT_EQ(copy.totals().valueOf(1), 4);
    expectConsistent(copy);

    // Assignment replaces everything the target held before.
    EquipSet target;
    target.setPiece(PartLeg, &f.leg);
    target = copy;
    EXPECT_EQ(target.piece(PartLeg), nullptr);
    EXPECT_EQ(target.totals().valueOf(1), 4);
    expectConsistent(target);
}

TEST(EquipSet, ActivatedSkillCountIsRecomputedAfterAChange)
{
    SkillCatalogue skills;
    skills.addTree(SkillTree{1, "a", {SkillActivation{1, 10, "a+10"}}});
    skills.addTree(SkillTree{2, "b", {SkillActivation{2, -5, "b-5"}}});
    SkillCatalogue empty;

    EquipItem strong = piece(PartHead, 1, 0, {{1, 10}, {2, -5}});
    EquipItem weak = piece(PartHead, 1, 0, {{1, 9}});
    EquipSet set;
    EXPECT_EQ(set.activatedSkillCount(skills), 0);
    set.setPiece(PartHead, &strong);
    EXPECT_EQ(set.activatedSkillCount(skills), 2);
    // Nothing changed since: the cached count is returned as it is.
    EXPECT_EQ(set.activatedSkillCount(empty), 2);

    set.setPiece(PartHead, &weak);
    EXPECT_EQ(set.activatedSkillCount(skills), 0);
    set.setPiece(PartHead, &strong);
    EXPECT_EQ(set.activatedSkillCount(skills), 2);
    set.clear();
    EXPECT_EQ(set.activatedSkillCount(skills), 0);

    EquipSet copy;
    set.setPiece(PartHead, &strong);
    copy = set;
    EXPECT_EQ(copy.activatedSkillCount(skills), 2);
}
