#include "search/ItemSets.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::sj;

namespace {

EquipItem piece(PartKind part, std::string name, uint16_t sex = 0)
{
    EquipItem item;
    item.part = part;
    item.name = std::move(name);
    item.sex = sex;
    return item;
}

Jewel jewel(std::string name)
{
    Jewel j;
    j.name = std::move(name);
    return j;
}

} // namespace

TEST(ItemKey, BareNameForBothSexesNameAndSexOtherwise)
{
    EXPECT_EQ(itemKey(piece(PartHead, sj("ソウルヘルム"))), sj("ソウルヘルム"));
    EXPECT_EQ(itemKey(piece(PartHead, sj("ソウルヘルム"), kSexFemale)), sj("ソウルヘルム") + "_2");
    EXPECT_EQ(itemKey(piece(PartLeg, "Cap", kSexMale)), "Cap_1");
}

TEST(ExclusionSet, AddKeepsTheFirstEntryOfAKey)
{
    EquipItem first = piece(PartBody, "Mail", kSexMale);
    EquipItem twin = piece(PartBody, "Mail", kSexMale);
    ExclusionSet set;
    set.add(first);
    set.add(twin);
    ASSERT_EQ(set.pieces(PartBody).size(), 1u);
    EXPECT_EQ(set.pieces(PartBody).at("Mail_1"), &first);
    // Membership is by key: another record with the same part, name and sex is "in".
    EXPECT_TRUE(set.contains(twin));
}

TEST(ExclusionSet, PiecesAreKeptApartBySexAndPart)
{
    EquipItem both = piece(PartArm, "Guard");
    EquipItem female = piece(PartArm, "Guard", kSexFemale);
    EquipItem otherPart = piece(PartWaist, "Guard");
    ExclusionSet set;
    set.add(both);
    set.add(female);
    EXPECT_TRUE(set.contains(both));
    EXPECT_TRUE(set.contains(female));
    EXPECT_FALSE(set.contains(piece(PartArm, "Guard", kSexMale)));
    EXPECT_FALSE(set.contains(otherPart));
    EXPECT_EQ(set.total(), 2u);
}

TEST(ExclusionSet, TotalCountsAllSixMaps)
{
    EquipItem h = piece(PartHead, "H"), l = piece(PartLeg, "L");
    Jewel a = jewel("A"), b = jewel("B");
    ExclusionSet set;
    set.add(h);
    set.add(l);
    set.add(a);
    set.add(b);
    set.add(a);
    EXPECT_EQ(set.total(), 4u);
    EXPECT_TRUE(set.contains(b));
    EXPECT_TRUE(set.containsJewelName("A"));
    EXPECT_FALSE(set.containsJewelName("C"));
    set.clear();
    EXPECT_EQ(set.total(), 0u);
    EXPECT_FALSE(set.contains(h));
}

TEST(ExclusionSet, CopyIsIndependentOfTheSource)
{
    EquipItem h = piece(PartHead, "H", kSexFemale), w = piece(PartWaist, "W");
    Jewel a = jewel("A");
    ExclusionSet source, target;
    source.add(h);
    source.add(a);
    EquipItem stale = piece(PartBody, "Old");
    target.add(stale);

    target.copyFrom(source);
    EXPECT_TRUE(target.equals(source));
    EXPECT_FALSE(target.contains(stale));
    source.clear();
    source.add(w);
    EXPECT_EQ(target.total(), 2u);
    EXPECT_TRUE(target.contains(h));
    EXPECT_TRUE(target.contains(a));

    target.copyFrom(target);
    EXPECT_EQ(target.total(), 2u);
}

TEST(ExclusionSet, EqualityComparesKeysPerMap)
{
    EquipItem h1 = piece(PartHead, "X"), h2 = piece(PartHead, "X");
    EquipItem b = piece(PartBody, "X");
    Jewel j1 = jewel("J"), j2 = jewel("K");
    ExclusionSet a, c;
    a.add(h1);
    c.add(h2); // a different record under the same key
    EXPECT_TRUE(a.equals(c));

    ExclusionSet wrongPart;
    wrongPart.add(b);
    EXPECT_FALSE(a.equals(wrongPart));
    EXPECT_FALSE(wrongPart.equals(a));

    a.add(j1);
    c.add(j2);
    EXPECT_FALSE(a.equals(c));
    c.add(j1);
    EXPECT_FALSE(a.equals(c)); // sizes differ
    EXPECT_FALSE(c.equals(a));
}

TEST(SPartSet, SameShapeWithoutJewels)
{
    EquipItem h = piece(PartHead, "H"), l = piece(PartLeg, "L", kSexMale);
    SPartSet set, copy;
    set.add(h);
    set.add(l);
    set.add(h);
    EXPECT_EQ(set.total(), 2u);
    copy.copyFrom(set);
    EXPECT_TRUE(copy.equals(set));
    set.clear();
    EXPECT_FALSE(copy.equals(set));
    EXPECT_TRUE(copy.contains(l));
}

TEST(ExcludedSkillList, KeepsOrderAndDuplicates)
{
    ExcludedSkillList list;
    list.add(12, -10);
    list.add(7, 5, "name");
    list.add(12, -10);
    ASSERT_EQ(list.total(), 3u);
    EXPECT_EQ(list.entries()[1].treeId, 7);
    EXPECT_EQ(list.entries()[1].name, "name");
    EXPECT_TRUE(list.contains(12, -10));
    EXPECT_FALSE(list.contains(12, 10));
    EXPECT_FALSE(list.contains(7, -5));
}

TEST(ExcludedSkillList, EqualityIgnoresOrderAndNames)
{
    ExcludedSkillList a, b;
    a.add(1, 10);
    a.add(2, -5);
    b.add(2, -5, "named");
    b.add(1, 10);
    EXPECT_TRUE(a.equals(b));
    EXPECT_TRUE(b.equals(a));
    b.add(3, 1);
    EXPECT_FALSE(a.equals(b));
    EXPECT_FALSE(b.equals(a));

    ExcludedSkillList copy;
    copy.copyFrom(b);
    b.clear();
    EXPECT_EQ(copy.total(), 3u);
    EXPECT_TRUE(copy.contains(3, 1));
}
