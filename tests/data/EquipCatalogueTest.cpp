#include "data/EquipCatalogue.h"

#include "data/XmlFixtures.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::sj;
using zeku::test::TempDir;
using zeku::test::writeXml;
using zeku::test::xmlDocument;

namespace {

EquipCatalogue loadEquip(const TempDir& dir, PartKind part, std::string_view body)
{
    EquipCatalogue catalogue(part);
    LoadResult r = catalogue.load(writeXml(dir, "Equip.xml", xmlDocument(body)));
    EXPECT_TRUE(r.ok) << r.file << ": " << r.cause;
    return catalogue;
}

JewelCatalogue loadJewels(const TempDir& dir, std::string_view body)
{
    JewelCatalogue catalogue;
    LoadResult r = catalogue.load(writeXml(dir, "Jewel.xml", xmlDocument(body)));
    EXPECT_TRUE(r.ok) << r.file << ": " << r.cause;
    return catalogue;
}

std::vector<std::pair<int, int>> pairs(const std::vector<SkillPoint>& skills)
{
    std::vector<std::pair<int, int>> out;
    for (const SkillPoint& p : skills)
        out.emplace_back(p.treeId, p.points);
    return out;
}

using Pairs = std::vector<std::pair<int, int>>;

} // namespace

TEST(EquipCatalogueLoad, ReadsEveryAttributeOfAPiece)
{
    TempDir dir;
    EquipCatalogue c = loadEquip(dir, PartWaist, R"(<Equip>
  <Data Name="ソルZコイル" Sex="2" Job="1" Def="48" Rare="7" Slot="3">
    <Elemental Fire="3" Water="-2" Thunder="1" Ice="0" Dragon="-5"/>
    <Skill SID="12" Point="4"/>
    <Skill SID="7" Point="-3"/>
  </Data>
</Equip>)");
    ASSERT_EQ(c.size(), 1u);
    const EquipItem& p = c.items()[0];
    EXPECT_EQ(p.part, PartWaist);
    EXPECT_EQ(p.name, sj("ソルZコイル"));
    EXPECT_EQ(p.sex, kSexFemale);
    EXPECT_EQ(p.job, kJobBlade);
    EXPECT_EQ(p.defence, 48);
    EXPECT_EQ(p.rarity, 7);
    EXPECT_EQ(p.slots, 3);
    EXPECT_EQ(p.resistance, (std::array<int16_t, kElementCount>{3, -2, 1, 0, -5}));
    EXPECT_EQ(pairs(p.skills), (Pairs{{12, 4}, {7, -3}}));
    EXPECT_EQ(c.mostSkillsOnOnePiece(), 2);
}

TEST(EquipCatalogueLoad, NamelessDataIsSkippedAndANameAloneGivesZeros)
{
    TempDir dir;
    EquipCatalogue c = loadEquip(dir, PartHead, R"(<Equip>
  <Data Sex="1" Def="10"><Skill SID="1" Point="1"/></Data>
  <Data Name="bare"/>
</Equip>)");
    ASSERT_EQ(c.size(), 1u);
    const EquipItem& p = c.items()[0];
    EXPECT_EQ(p.name, "bare");
    EXPECT_EQ(p.part, PartHead);
    EXPECT_EQ(p.sex, 0);
    EXPECT_EQ(p.job, 0);
    EXPECT_EQ(p.rarity, 0);
    EXPECT_EQ(p.defence, 0);
    EXPECT_EQ(p.slots, 0);
    EXPECT_EQ(p.resistance, (std::array<int16_t, kElementCount>{}));
    EXPECT_TRUE(p.skills.empty());
    EXPECT_EQ(c.mostSkillsOnOnePiece(), 0);
}

TEST(EquipCatalogueLoad, IncompleteSkillStopsTheChildrenButKeepsThePiece)
{
    TempDir dir;
    EquipCatalogue c = loadEquip(dir, PartArm, R"(<Equip>
  <Data Name="noSid">
    <Skill SID="1" Point="2"/>
    <Skill Point="5"/>
    <Skill SID="3" Point="4"/>
    <Elemental Fire="9"/>
  </Data>
  <Data Name="noPoint">
    <Elemental Water="1"/>
    <Skill SID="1" Point="1"/>
    <Skill SID="2"/>
    <Skill SID="3" Point="1"/>
    <Skill SID="4" Point="1"/>
  </Data>
  <Data Name="two"><Skill SID="8" Point="1"/><Skill SID="9" Point="1"/></Data>
</Equip>)");
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(pairs(c.items()[0].skills), (Pairs{{1, 2}}));
    EXPECT_EQ(c.items()[0].resistance[ElementFire], 0); // after the stop: not read
    EXPECT_EQ(pairs(c.items()[1].skills), (Pairs{{1, 1}}));
    EXPECT_EQ(c.items()[1].resistance[ElementWater], 1); // before the stop: read
    // Counted after the stops: 1, 1 and 2 entries, not 3 and 4 children.
    EXPECT_EQ(c.mostSkillsOnOnePiece(), 2);
}

TEST(EquipCatalogueLoad, NegativeValuesAndRepeatedElementalOverwriteAttributeWise)
{
    TempDir dir;
    EquipCatalogue c = loadEquip(dir, PartBody, R"(<Equip>
  <Data Name="p">
    <Elemental Fire="1" Water="2" Dragon="-7"/>
    <Skill SID="4" Point="-10"/>
    <Elemental Water="-3" Ice="4"/>
    <Elemental Thunder="-32768"/>
  </Data>
</Equip>)");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(c.items()[0].resistance, (std::array<int16_t, kElementCount>{1, -3, -32768, 4, -7}));
    EXPECT_EQ(pairs(c.items()[0].skills), (Pairs{{4, -10}}));
}

TEST(EquipCatalogueLoad, SameNameDifferentSexBothKeptInFileOrder)
{
    TempDir dir;
    EquipCatalogue c = loadEquip(dir, PartLeg, R"(<Equip>
  <Data Name="表グリーヴ" Sex="2" Def="5"/>
  <Data Name="表グリーヴ" Sex="1" Def="6"/>
  <Data Name="表グリーヴ" Def="7"/>
</Equip>)");
    ASSERT_EQ(c.size(), 3u);
    for (const EquipItem& p : c.items())
        EXPECT_EQ(p.name, sj("表グリーヴ"));
    EXPECT_EQ(c.items()[0].sex, 2);
    EXPECT_EQ(c.items()[1].sex, 1);
    EXPECT_EQ(c.items()[2].sex, 0);
    EXPECT_EQ(c.items()[2].defence, 7);
}

TEST(EquipCatalogueLoad, ChildNamesAreMatchedExactlyByLocalName)
{
    TempDir dir;
    EquipCatalogue c = loadEquip(dir, PartHead, R"(<Equip xmlns:z="urn:zeku">
  <Data Name="p">
    <skill SID="1" Point="1"/>
    <SKILL SID="2" Point="1"/>
    <elemental Fire="5"/>
    <z:Skill SID="3" Point="2"/>
    <Skills SID="4" Point="1"/>
    <z:Elemental Ice="6"/>
    <Skill SID="5" Point="3"/>
  </Data>
</Equip>)");
    ASSERT_EQ(c.size(), 1u);
    EXPECT_EQ(pairs(c.items()[0].skills), (Pairs{{3, 2}, {5, 3}}));
    EXPECT_EQ(c.items()[0].resistance, (std::array<int16_t, kElementCount>{0, 0, 0, 6, 0}));
}

TEST(EquipCatalogueLoad, OtherRootGivesEmptyAndBadFilesFail)
{
    TempDir dir;
    EXPECT_EQ(loadEquip(dir, PartHead, "<Jewel><Data Name=\"x\"/></Jewel>").size(), 0u);
    EXPECT_EQ(loadEquip(dir, PartHead, "<Equip/>").size(), 0u);

    EquipCatalogue c(PartHead);
    LoadResult missing = c.load(dir / "EquipHead.xml");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.file.find("EquipHead.xml"), std::string::npos);
    writeXml(dir, "EquipBody.xml", "<Equip><Data Name='a'></Equip>");
    LoadResult malformed = c.load(dir / "EquipBody.xml");
    EXPECT_FALSE(malformed.ok);
    EXPECT_NE(malformed.file.find("EquipBody.xml"), std::string::npos);
}

TEST(JewelCatalogueLoad, ReadsJewelsWithTheSameStopRuleAndSkipsOtherChildren)
{
    TempDir dir;
    JewelCatalogue c = loadJewels(dir, R"(<Jewel>
  <Data Rare="3"><Skill SID="1" Point="1"/></Data>
  <Data Name="攻撃珠【１】" Rare="4" Slot="1" Sex="2" Def="9">
    <Elemental Fire="3"/>
    <skill SID="9" Point="9"/>
    <Skill SID="12" Point="1"/>
    <Skill SID="30" Point="-1"/>
  </Data>
  <Data Name="stop">
    <Skill SID="1" Point="2"/>
    <Skill SID="2"/>
    <Skill SID="3" Point="1"/>
    <Skill SID="4" Point="1"/>
  </Data>
  <Data Name="bare"/>
</Jewel>)");
    ASSERT_EQ(c.size(), 3u);
    const Jewel& j = c.items()[0];
    EXPECT_EQ(j.name, sj("攻撃珠【１】"));
    EXPECT_EQ(j.rarity, 4);
    EXPECT_EQ(j.slots, 1);
    EXPECT_EQ(pairs(j.skills), (Pairs{{12, 1}, {30, -1}}));
    EXPECT_EQ(pairs(c.items()[1].skills), (Pairs{{1, 2}}));
    EXPECT_EQ(c.items()[2].name, "bare");
    EXPECT_EQ(c.items()[2].rarity, 0);
    EXPECT_EQ(c.items()[2].slots, 0);
    EXPECT_TRUE(c.items()[2].skills.empty());
    EXPECT_EQ(c.mostSkillsOnOneJewel(), 2);
}

TEST(JewelCatalogueLoad, EquipRootIsNotAJewelFile)
{
    TempDir dir;
    EXPECT_EQ(loadJewels(dir, "<Equip><Data Name=\"x\"/></Equip>").size(), 0u);
    JewelCatalogue c;
    EXPECT_FALSE(c.load(dir / "absent.xml").ok);
}

TEST(WeaponSlotList, HoldsExactlyThreeItemsInSlotOrder)
{
    WeaponSlotList list;
    ASSERT_EQ(list.items().size(), 3u);
    EXPECT_EQ(list.items()[0].name, sj("武器スロット１"));
    EXPECT_EQ(list.items()[1].name, sj("武器スロット２"));
    EXPECT_EQ(list.items()[2].name, sj("武器スロット３"));
    // Full-width digits: the names end in the double-byte codes 0x8250..0x8252.
    EXPECT_EQ(list.items()[0].name.substr(list.items()[0].name.size() - 2), "\x82\x50");
    EXPECT_EQ(list.items()[2].name.substr(list.items()[2].name.size() - 2), "\x82\x52");
    for (uint16_t slots = 1; slots <= 3; ++slots) {
        EXPECT_EQ(list.items()[slots - 1].slots, slots);
        EXPECT_EQ(list.forSlots(slots), &list.items()[slots - 1]);
    }
    EXPECT_EQ(list.forSlots(0), nullptr);
    EXPECT_EQ(list.forSlots(4), nullptr);
}

TEST(PointsOf, FindsTheFirstEntryOfATree)
{
    std::vector<SkillPoint> skills{{3, 1}, {5, 2}, {3, 7}};
    ASSERT_NE(pointsOf(skills, 3), nullptr);
    EXPECT_EQ(pointsOf(skills, 3), &skills[0]);
    EXPECT_EQ(pointsOf(skills, 5)->points, 2);
    EXPECT_EQ(pointsOf(skills, 4), nullptr);
}
