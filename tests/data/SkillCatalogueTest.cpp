#include "data/SkillCatalogue.h"

#include "data/XmlFixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zeku;
using zeku::test::sj;
using zeku::test::TempDir;
using zeku::test::writeXml;
using zeku::test::xmlDocument;

namespace {

SkillTree makeTree(uint16_t id, std::vector<std::pair<int16_t, std::string>> activations)
{
    SkillTree tree{id, "tree" + std::to_string(id), {}};
    for (auto& [threshold, name] : activations)
        tree.activations.push_back(SkillActivation{id, threshold, name});
    return tree;
}

// Name of the activation `total` reaches, "" for none.
std::string activated(const SkillTree& tree, int16_t total)
{
    const SkillActivation* a = SkillCatalogue::findActivatedSkill(tree, total);
    return a ? a->name : std::string();
}

// Loads `body` (UTF-8) as SkillBase.xml; the result must succeed.
SkillCatalogue loadSkills(const TempDir& dir, std::string_view body)
{
    SkillCatalogue skills;
    LoadResult r = skills.load(writeXml(dir, "SkillBase.xml", xmlDocument(body)));
    EXPECT_TRUE(r.ok) << r.file << ": " << r.cause;
    return skills;
}

} // namespace

TEST(SkillActivationLookup, PositiveThresholdsTakeTheHighestReached)
{
    for (const SkillTree& tree :
         {makeTree(1, {{10, "plus10"}, {15, "plus15"}}), makeTree(1, {{15, "plus15"}, {10, "plus10"}})}) {
        EXPECT_EQ(activated(tree, 9), "");
        EXPECT_EQ(activated(tree, 10), "plus10");
        EXPECT_EQ(activated(tree, 14), "plus10");
        EXPECT_EQ(activated(tree, 15), "plus15");
        EXPECT_EQ(activated(tree, 40), "plus15");
        EXPECT_EQ(activated(tree, 0), "");
        EXPECT_EQ(activated(tree, -40), "");
    }
}

TEST(SkillActivationLookup, NegativeThresholdsTakeTheLowestReached)
{
    for (const SkillTree& tree :
         {makeTree(2, {{-10, "minus10"}, {-15, "minus15"}}), makeTree(2, {{-15, "minus15"}, {-10, "minus10"}})}) {
        EXPECT_EQ(activated(tree, -9), "");
        EXPECT_EQ(activated(tree, -10), "minus10");
        EXPECT_EQ(activated(tree, -14), "minus10");
        EXPECT_EQ(activated(tree, -15), "minus15");
        EXPECT_EQ(activated(tree, -40), "minus15");
        EXPECT_EQ(activated(tree, 0), "");
        EXPECT_EQ(activated(tree, 40), "");
    }
}

TEST(SkillActivationLookup, MixedTreeKeepsSignsApartInAnyOrder)
{
    std::vector<std::pair<int16_t, std::string>> acts = {
        {-10, "bad10"}, {10, "good10"}, {-20, "bad20"}, {20, "good20"}};
    for (int round = 0; round < 2; ++round) {
        SkillTree tree = makeTree(3, acts);
        EXPECT_EQ(activated(tree, 0), "");
        EXPECT_EQ(activated(tree, 10), "good10");
        EXPECT_EQ(activated(tree, 32767), "good20");
        EXPECT_EQ(activated(tree, -10), "bad10");
        EXPECT_EQ(activated(tree, -32768), "bad20");
        EXPECT_EQ(activated(tree, 5), "");
        EXPECT_EQ(activated(tree, -5), "");
        std::reverse(acts.begin(), acts.end());
    }
}

TEST(SkillActivationLookup, EqualThresholdsReturnTheFirstListed)
{
    SkillTree tree = makeTree(4, {{10, "first"}, {10, "second"}, {-10, "firstBad"}, {-10, "secondBad"}});
    EXPECT_EQ(activated(tree, 12), "first");
    EXPECT_EQ(activated(tree, -12), "firstBad");
}

TEST(SkillCatalogue, LookupsByIdAndCounting)
{
    SkillCatalogue skills;
    skills.addTree(makeTree(1, {{10, "att"}}));
    skills.addTree(makeTree(2, {{-10, "bad"}}));
    skills.addTree(makeTree(3, {{10, ""}})); // an activation without a name does not count

    ASSERT_NE(skills.findTree(2), nullptr);
    EXPECT_EQ(*skills.treeName(2), "tree2");
    EXPECT_EQ(skills.findTree(9), nullptr);
    EXPECT_EQ(skills.treeName(9), nullptr);
    EXPECT_EQ(skills.activatedSkillName(1, 12), "att");
    EXPECT_EQ(skills.activatedSkillName(1, 9), "");
    EXPECT_EQ(skills.activatedSkillName(9, 12), "");

    TreeTotals totals{{1, 10}, {2, -10}, {3, 10}, {9, 30}};
    EXPECT_EQ(skills.countActivatedSkills(totals), 2);
    totals[1] = 0;
    totals[2] = 10; // positive total in a tree with only a bad skill
    EXPECT_EQ(skills.countActivatedSkills(totals), 0);
    EXPECT_EQ(skills.countActivatedSkills({}), 0);
}

TEST(SkillCatalogueLoad, ReadsTreesAndActivationsInFileOrder)
{
    TempDir dir;
    SkillCatalogue skills = loadSkills(dir, R"(<Skill>
  <Data ID="12" Name="攻撃">
    <Skill Point="10">攻撃力UP【小】</Skill>
    <!-- a comment is not an activation -->
    <Anything Point="-10">攻撃力DOWN【小】</Anything>
    <S Point="15abc">ソ<b>表</b>１</S>
  </Data>
  <Data ID="65537" Name="表示"/>
</Skill>)");
    ASSERT_EQ(skills.trees().size(), 2u);
    const SkillTree& attack = skills.trees()[0];
    EXPECT_EQ(attack.id, 12);
    EXPECT_EQ(attack.name, sj("攻撃"));
    ASSERT_EQ(attack.activations.size(), 3u);
    EXPECT_EQ(attack.activations[0].treeId, 12);
    EXPECT_EQ(attack.activations[0].threshold, 10);
    EXPECT_EQ(attack.activations[0].name, sj("攻撃力UP【小】"));
    EXPECT_EQ(attack.activations[1].threshold, -10);
    EXPECT_EQ(attack.activations[1].name, sj("攻撃力DOWN【小】"));
    EXPECT_EQ(attack.activations[2].threshold, 15);
    EXPECT_EQ(attack.activations[2].name, sj("ソ表１")); // text content of all descendants
    // Ids keep their low 16 bits.
    EXPECT_EQ(skills.trees()[1].id, 1);
    EXPECT_EQ(skills.treeName(1), &skills.trees()[1].name);
    EXPECT_EQ(skills.activatedSkillName(12, -11), sj("攻撃力DOWN【小】"));
}

TEST(SkillCatalogueLoad, DuplicateIdsStayButLookupsReturnTheFirst)
{
    TempDir dir;
    SkillCatalogue skills = loadSkills(dir, R"(<Skill>
  <Data ID="5" Name="first"><S Point="10">one</S></Data>
  <Data ID="5" Name="second"><S Point="5">two</S></Data>
</Skill>)");
    ASSERT_EQ(skills.trees().size(), 2u);
    EXPECT_EQ(skills.trees()[1].name, "second");
    EXPECT_EQ(skills.findTree(5), &skills.trees()[0]);
    EXPECT_EQ(*skills.treeName(5), "first");
    EXPECT_EQ(skills.activatedSkillName(5, 7), ""); // the second tree's 5-skill is never reached
    EXPECT_EQ(skills.activatedSkillName(5, 10), "one");
}

TEST(SkillCatalogueLoad, SkipsIncompleteDataAndActivations)
{
    TempDir dir;
    SkillCatalogue skills = loadSkills(dir, R"(<Skill>
  <Data Name="no id"><S Point="10">x</S></Data>
  <Data ID="1"><S Point="10">x</S></Data>
  <Data ID="2" Name="kept">
    <S Point="10">before</S>
    <S>no point</S>
    <S Points="15">wrong attribute</S>
    <S Point="20">after</S>
  </Data>
  <Other ID="3" Name="not data"/>
  <Group><Data ID="4" Name="too deep"/></Group>
</Skill>)");
    ASSERT_EQ(skills.trees().size(), 1u);
    const SkillTree& tree = skills.trees()[0];
    EXPECT_EQ(tree.name, "kept");
    ASSERT_EQ(tree.activations.size(), 2u);
    EXPECT_EQ(tree.activations[0].name, "before");
    EXPECT_EQ(tree.activations[1].name, "after");
    EXPECT_EQ(tree.activations[1].threshold, 20);
    EXPECT_EQ(skills.findTree(1), nullptr);
}

TEST(SkillCatalogueLoad, OtherRootOrNoDataGivesAnEmptyCatalogue)
{
    TempDir dir;
    for (const char* body :
         {"<Skills><Data ID=\"1\" Name=\"a\"/></Skills>", "<Skill/>", "<Skill><Tree ID=\"1\" Name=\"a\"/></Skill>"}) {
        SkillCatalogue skills = loadSkills(dir, body);
        EXPECT_TRUE(skills.trees().empty()) << body;
    }
}

TEST(SkillCatalogueLoad, MissingOrMalformedFileFailsAndNamesIt)
{
    TempDir dir;
    SkillCatalogue skills;
    LoadResult missing = skills.load(dir / "SkillBase.xml");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.file.find("SkillBase.xml"), std::string::npos);
    EXPECT_FALSE(missing.cause.empty());

    for (const char* bad : {"<Skill><Data ID=\"1\" Name=\"a\"></Skill>", "", "not xml at all <"}) {
        writeXml(dir, "Broken.xml", bad);
        LoadResult r = skills.load(dir / "Broken.xml");
        EXPECT_FALSE(r.ok) << bad;
        EXPECT_NE(r.file.find("Broken.xml"), std::string::npos);
        EXPECT_TRUE(skills.trees().empty());
    }
}

TEST(SkillCatalogueLoad, FailedLoadLeavesTheCatalogueEmpty)
{
    TempDir dir;
    SkillCatalogue skills = loadSkills(dir, R"(<Skill><Data ID="1" Name="a"/></Skill>)");
    ASSERT_EQ(skills.trees().size(), 1u);
    writeXml(dir, "SkillBase.xml", "<Skill><Data");
    EXPECT_FALSE(skills.load(dir / "SkillBase.xml").ok);
    EXPECT_TRUE(skills.trees().empty());
}
