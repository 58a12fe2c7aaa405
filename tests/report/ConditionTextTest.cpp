#include "report/ConditionText.h"

#include "support/CrLfLines.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <deque>

using namespace zeku;
using zeku::test::sj;
using zeku::test::linesOf;

namespace {

SkillCatalogue makeSkills()
{
    SkillCatalogue skills;
    skills.addTree({12, sj("攻撃"), {{12, 10, sj("攻撃力UP【小】")}, {12, 15, sj("攻撃力UP【中】")}}});
    skills.addTree({5, sj("体力"), {{5, -10, sj("体力-10")}, {5, 10, sj("体力+20")}}});
    // Eight full-width characters: the label with its points is longer than the column.
    skills.addTree({40, sj("とても長い名前だ"), {{40, 10, sj("長名発動")}}});
    return skills;
}

// The condition of a blade user, female, with decorations and nothing else.
SearchCondition basicCondition()
{
    SearchCondition c;
    c.job = 1;
    c.sex = 2;
    c.useJewels = true;
    c.maxResults = 100;
    return c;
}

std::string textOf(const SearchCondition& c, const SkillCatalogue& skills)
{
    std::string out;
    appendConditionText(c, skills, out);
    return out;
}

EquipItem piece(PartKind part, const char* utf8Name, uint16_t sex = 0)
{
    EquipItem item;
    item.part = part;
    item.name = sj(utf8Name);
    item.sex = sex;
    item.slots = 3;
    return item;
}

} // namespace

TEST(ConditionText, EmptyConditionIsFourteenLines)
{
    const std::string expected = sj("■基本条件\r\n剣士(女)\r\nレア制限なし\r\n防御値制限なし\r\n装飾品使用\r\n"
                                    "アイテム除外なし\r\nスキル除外なし\r\nＳ防具指定なし\r\n最大表示件数 100件\r\n"
                                    "\r\n■スキル\r\n\r\n■固定装備\r\nなし\r\n");
    EXPECT_EQ(textOf(basicCondition(), makeSkills()), expected);
}

TEST(ConditionText, BasicLinesFollowTheChoices)
{
    SearchCondition c = basicCondition();
    c.job = 2;
    c.sex = 1;
    c.minDefence = 120;
    c.useJewels = false;
    c.useExcludedItems = c.useExcludedSkills = c.requireSParts = true;
    c.maxResults = 10000;
    auto lines = linesOf(textOf(c, makeSkills()));
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[1], sj("ガンナー(男)"));
    EXPECT_EQ(lines[3], sj("防御値 120以上"));
    EXPECT_EQ(lines[4], sj("装飾品未使用"));
    EXPECT_EQ(lines[5], sj("アイテム除外あり"));
    EXPECT_EQ(lines[6], sj("スキル除外あり"));
    EXPECT_EQ(lines[7], sj("Ｓ防具指定あり"));
    EXPECT_EQ(lines[8], sj("最大表示件数 10000件"));

    c.job = 0;
    c.sex = 0;
    EXPECT_EQ(linesOf(textOf(c, makeSkills()))[1], sj("？？？？"));

    // Exact jewel fitting adds one line after the jewel line, only with jewels on.
    c.job = 2;
    c.sex = 1;
    c.exactJewels = true;
    EXPECT_EQ(linesOf(textOf(c, makeSkills())), lines);
    c.useJewels = true;
    auto exact = linesOf(textOf(c, makeSkills()));
    ASSERT_EQ(exact.size(), lines.size() + 1);
    EXPECT_EQ(exact[4], sj("装飾品使用"));
    EXPECT_EQ(exact[5], sj("装飾品全組合せ判定あり"));
    EXPECT_EQ(exact[6], lines[5]);
}

TEST(ConditionText, RarityLineUsesFullWidthDigitsAndHalfWidthBeyondNine)
{
    const std::vector<std::pair<int16_t, const char*>> cases = {
        {105, "レア５以上"},  {-3, "レア３以下"},  {7, "レア７のみ"},   {1, "レア１のみ"},
        {100, "レア100のみ"}, {110, "レア10以上"}, {-10, "レア10以下"}, {-32768, "レア32768以下"},
    };
    for (const auto& [code, expected] : cases) {
        SearchCondition c = basicCondition();
        c.rarity = code;
        EXPECT_EQ(linesOf(textOf(c, makeSkills()))[2], sj(expected)) << "code " << code;
    }
}

TEST(ConditionText, WantedSkillLabelsArePaddedToFourteenBytes)
{
    SearchCondition c = basicCondition();
    c.wanted = {{12, 10}, {5, -10}, {12, 3}, {40, 10}, {99, 10}};
    auto lines = linesOf(textOf(c, makeSkills()));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[10], sj("■スキル"));
    // "攻撃+10" is seven bytes: seven blanks fill the column.
    EXPECT_EQ(lines[11], sj("攻撃+10") + "       " + sj("攻撃力UP【小】"));
    EXPECT_EQ(lines[12], sj("体力-10") + "       " + sj("体力-10"));
    // Points that activate nothing keep the padded label and nothing after it.
    EXPECT_EQ(lines[13], sj("攻撃+3") + "        ");
    // A label longer than the column is written whole, the name right behind it.
    EXPECT_EQ(lines[14], sj("とても長い名前だ+10長名発動"));
    // An unknown tree has no name; the points still show with their sign.
    EXPECT_EQ(lines[15], "+10           ");
}

TEST(ConditionText, WeaponOnlyFixedGivesFiveEmptyParts)
{
    WeaponSlotList weapons;
    Jewel a{sj("攻撃珠"), 1, 1, {{12, 1}}};
    Jewel b{sj("体力珠"), 1, 1, {{5, 1}}};
    SearchCondition c = basicCondition();
    c.fixed.setWeapon(weapons.forSlots(2));
    ASSERT_TRUE(c.fixed.addWeaponJewels({&a, &b}));
    const std::string text = textOf(c, makeSkills());
    const std::string tail =
        sj("■固定装備\r\n武器スロット２　攻撃珠, 体力珠\r\nなし\r\nなし\r\nなし\r\nなし\r\nなし\r\n");
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ConditionText, FixedPieceWithoutJewelsKeepsTheFullWidthSpace)
{
    // A "%2" in a name is data, never a place for the jewels.
    EquipItem arm = piece(PartArm, "鉄の小手%2");
    Jewel jewel{sj("匠珠"), 1, 2, {}};
    EquipItem leg = piece(PartLeg, "鉄の具足");
    SearchCondition c = basicCondition();
    c.fixed.setPiece(PartArm, &arm);
    c.fixed.setPiece(PartLeg, &leg);
    ASSERT_TRUE(c.fixed.addPieceJewels(PartLeg, {&jewel}));
    const std::string text = textOf(c, makeSkills());
    const std::string tail = sj("■固定装備\r\n武器なし\r\nなし\r\nなし\r\n鉄の小手%2　\r\nなし\r\n鉄の具足　匠珠\r\n");
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ConditionText, ListSectionsWithFlagOnButEmptyShowZeroAndNone)
{
    SearchCondition c = basicCondition();
    c.useExcludedItems = c.useExcludedSkills = c.requireSParts = true;
    const std::string text = textOf(c, makeSkills());
    const std::string tail = sj("■固定装備\r\nなし\r\n\r\n■除外アイテム(0)\r\nなし\r\n\r\n■除外スキル(0)\r\nなし\r\n"
                                "\r\n■Ｓ防具(0)\r\nなし\r\n");
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ConditionText, ListSectionsListTheirEntriesInPartAndKeyOrder)
{
    std::deque<EquipItem> items = {
        piece(PartLeg, "鉄の具足"),   piece(PartHead, "鉄の兜", 2), piece(PartHead, "革の帽子"),
        piece(PartHead, "Ａの兜", 1), piece(PartBody, "鉄の鎧"),
    };
    Jewel j1{sj("攻撃珠"), 1, 1, {}};
    Jewel j2{"Jewel", 1, 1, {}};
    SearchCondition c = basicCondition();
    c.useExcludedItems = c.useExcludedSkills = c.requireSParts = true;
    for (const EquipItem& item : items)
        c.excludedItems.add(item);
    c.excludedItems.add(j1);
    c.excludedItems.add(j2);
    c.excludedSkills.add(12, 15);
    c.excludedSkills.add(5, -12);
    c.excludedSkills.add(99, 10);
    c.sParts.add(items[4]);
    c.sParts.add(items[1]);

    const std::string text = textOf(c, makeSkills());
    const std::string tail = sj("\r\n■除外アイテム(7)\r\n"
                                "頭：Ａの兜(男)\r\n頭：革の帽子\r\n頭：鉄の兜(女)\r\n胴：鉄の鎧\r\n脚：鉄の具足\r\n"
                                "珠：Jewel\r\n珠：攻撃珠\r\n"
                                "\r\n■除外スキル(3)\r\n"
                                "攻撃          攻撃力UP【中】\r\n体力          体力-10\r\n              \r\n"
                                "\r\n■Ｓ防具(2)\r\n頭：鉄の兜(女)\r\n胴：鉄の鎧\r\n");
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(ConditionText, FlagOffHidesTheSectionEvenWithEntries)
{
    EquipItem head = piece(PartHead, "鉄の兜");
    Jewel jewel{sj("攻撃珠"), 1, 1, {}};
    SearchCondition c = basicCondition();
    c.excludedItems.add(head);
    c.excludedItems.add(jewel);
    c.excludedSkills.add(12, 10);
    c.sParts.add(head);
    EXPECT_EQ(textOf(c, makeSkills()), textOf(basicCondition(), makeSkills()));

    c.useExcludedSkills = true;
    const std::string text = textOf(c, makeSkills());
    EXPECT_EQ(text.find(sj("■除外アイテム")), std::string::npos);
    EXPECT_EQ(text.find(sj("■Ｓ防具")), std::string::npos);
    EXPECT_NE(text.find(sj("■除外スキル(1)")), std::string::npos);
}
