#include "report/ClipText.h"

#include "support/CrLfLines.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

using namespace zeku;
using zeku::test::sj;
using zeku::test::linesOf;

namespace {

const std::string kFw = sj("　"); // full-width space, two bytes

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

EquipItem piece(PartKind part, std::string name, uint16_t defence, uint16_t slots)
{
    EquipItem item;
    item.part = part;
    item.name = std::move(name);
    item.defence = defence;
    item.slots = slots;
    return item;
}

// Ten trees, tree i activating "S<i>" at +1 and "B<i>" at -1.
SkillCatalogue signSkills()
{
    SkillCatalogue skills;
    for (uint16_t id = 1; id <= 10; ++id)
        skills.addTree(
            {id, "T" + std::to_string(id), {{id, 1, "S" + std::to_string(id)}, {id, -1, "B" + std::to_string(id)}}});
    return skills;
}

// The skill block: everything after the empty line that follows the totals line.
std::string skillBlockOf(const std::string& text)
{
    const std::string marker = sj("龍:");
    std::size_t totals = text.find(marker);
    std::size_t start = text.find("\r\n\r\n", totals);
    return text.substr(start + 4);
}

} // namespace

TEST(ClipText, EmptySetGivesTheFixedSkeleton)
{
    EquipSet set;
    const std::string expected =
        sj("ZEKU 0.047 装備クリップ\r\n\r\n武器スロットなし\r\nなし\r\nなし\r\nなし\r\nなし\r\nなし\r\n"
           "\r\n防御値:0　ｽﾛｯﾄ:○0　火:+0 水:+0 雷:+0 氷:+0 龍:+0\r\n\r\nなし\r\n\r\n");
    EXPECT_EQ(buildClipText(set, SkillCatalogue()), expected);
    // The slot word is half-width katakana: one byte per character.
    EXPECT_NE(expected.find("\xBD\xDB\xAF\xC4:"), std::string::npos);
}

TEST(ClipText, NameColumnIsPaddedToTwentyFourBytes)
{
    struct Case {
        std::string name;
        std::string column;
    };
    const std::vector<Case> cases = {
        {"abcdefghijk", "abcdefghijk " + repeat(kFw, 6)}, // 11 bytes
        {std::string(22, 'n'), std::string(22, 'n') + kFw}, // 22 bytes
        {std::string(23, 'n'), std::string(23, 'n') + " "}, // 23 bytes
        {std::string(24, 'n'), std::string(24, 'n')}, // 24 bytes
        {sj("鉄の兜"), sj("鉄の兜") + repeat(kFw, 9)}, // 6 bytes
        {std::string(25, 'n'), std::string(25, 'n') + " "}, // odd and long
    };
    for (const Case& c : cases) {
        EquipItem head = piece(PartHead, c.name, 5, 0);
        EquipSet set;
        set.setPiece(PartHead, &head);
        const auto lines = linesOf(buildClipText(set, SkillCatalogue()));
        EXPECT_EQ(lines[3], c.column + "  5" + kFw + repeat(kFw, 3) + kFw) << c.name;
    }
}

TEST(ClipText, SlotMarksShowUsedFreeAndMissingSlots)
{
    Jewel one{sj("一珠"), 1, 1, {}};
    Jewel two{sj("二珠"), 1, 2, {}};
    EquipItem head = piece(PartHead, sj("兜"), 12, 1);
    EquipItem body = piece(PartBody, sj("鎧"), 123, 3);
    EquipItem arm = piece(PartArm, sj("小手"), 7, 3);
    WeaponSlotList weapons;
    EquipSet set;
    set.setWeapon(weapons.forSlots(3));
    ASSERT_TRUE(set.addWeaponJewels({&two}));
    set.setPiece(PartHead, &head);
    ASSERT_TRUE(set.addPieceJewels(PartHead, {&one}));
    set.setPiece(PartBody, &body);
    set.setPiece(PartArm, &arm);
    ASSERT_TRUE(set.addPieceJewels(PartArm, {&one, &one}));

    const auto lines = linesOf(buildClipText(set, SkillCatalogue()));
    ASSERT_EQ(lines.size(), 13u);
    const std::string used = sj("●"), free = sj("○");
    EXPECT_EQ(lines[2],
              sj("武器スロット３") + repeat(kFw, 5) + kFw + kFw + " " + used + used + free + kFw + sj("二珠"));
    EXPECT_EQ(lines[3], sj("兜") + repeat(kFw, 11) + " 12" + kFw + used + kFw + kFw + kFw + sj("一珠"));
    EXPECT_EQ(lines[4], sj("鎧") + repeat(kFw, 11) + "123" + kFw + free + free + free + kFw);
    EXPECT_EQ(lines[5], sj("小手") + repeat(kFw, 10) + "  7" + kFw + used + used + free + kFw + sj("一珠, 一珠"));
    EXPECT_EQ(lines[6], sj("なし"));
    // Totals: 2 + 1 + 2 slots used; 1 + 0 + 3 + 1 free over the six entries.
    EXPECT_EQ(lines[9], sj("防御値:142　ｽﾛｯﾄ:●5○5　火:+0 水:+0 雷:+0 氷:+0 龍:+0"));
}

TEST(ClipText, SlotMarkColumnsLineUpAcrossWeaponAndPieces)
{
    WeaponSlotList weapons;
    EquipItem leg = piece(PartLeg, sj("具足"), 40, 2);
    EquipSet set;
    set.setWeapon(weapons.forSlots(1));
    set.setPiece(PartLeg, &leg);
    const auto lines = linesOf(buildClipText(set, SkillCatalogue()));
    const std::size_t weaponMarks = lines[2].find(sj("○"));
    EXPECT_EQ(weaponMarks, 24u + 5u);
    EXPECT_EQ(lines[7].find(sj("○")), weaponMarks);
}

TEST(ClipText, TotalsSumDefenceAndSignedResistances)
{
    EquipItem head = piece(PartHead, "h", 30, 0);
    head.resistance = {3, -2, 0, 1, -5};
    EquipItem waist = piece(PartWaist, "w", 25, 0);
    waist.resistance = {-4, -1, 0, 1, 2};
    EquipSet set;
    set.setPiece(PartHead, &head);
    set.setPiece(PartWaist, &waist);
    const auto lines = linesOf(buildClipText(set, SkillCatalogue()));
    EXPECT_EQ(lines[9], sj("防御値:55　ｽﾛｯﾄ:○0　火:-1 水:-3 雷:+0 氷:+2 龍:-3"));
}

TEST(ClipText, HeaderDescribesTheLastSexAndJobOfThePieces)
{
    struct Case {
        std::array<std::pair<uint16_t, uint16_t>, 2> headAndLeg; // (sex, job) of head, of leg
        const char* description;
    };
    const std::vector<Case> cases = {
        {{{{1, 1}, {0, 0}}}, "　剣士(男)用"},
        {{{{1, 0}, {2, 1}}}, "　剣士(女)用"},
        {{{{0, 2}, {1, 0}}}, "　ガンナー(男)用"},
        {{{{2, 1}, {0, 2}}}, "　ガンナー(女)用"},
        {{{{1, 0}, {0, 0}}}, "　男性用"},
        {{{{0, 0}, {2, 0}}}, "　女性用"},
        {{{{0, 1}, {0, 0}}}, "　剣士用"},
        {{{{0, 1}, {0, 2}}}, "　ガンナー用"},
        {{{{0, 0}, {0, 0}}}, ""},
    };
    for (const Case& c : cases) {
        EquipItem head = piece(PartHead, "h", 1, 0);
        EquipItem leg = piece(PartLeg, "l", 1, 0);
        std::tie(head.sex, head.job) = c.headAndLeg[0];
        std::tie(leg.sex, leg.job) = c.headAndLeg[1];
        EquipSet set;
        set.setPiece(PartHead, &head);
        set.setPiece(PartLeg, &leg);
        EXPECT_EQ(linesOf(buildClipText(set, SkillCatalogue()))[0], sj("ZEKU 0.047 装備クリップ") + sj(c.description))
            << c.description;
    }
}

TEST(ClipText, SkillBlockBreaksAfterEveryFifthName)
{
    const SkillCatalogue skills = signSkills();
    EquipItem head = piece(PartHead, "h", 1, 0);
    head.skills = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}};
    EquipSet five;
    five.setPiece(PartHead, &head);
    EXPECT_EQ(skillBlockOf(buildClipText(five, skills)), "S1, S2, S3, S4, S5\r\n");

    EquipItem body = piece(PartBody, "b", 1, 0);
    body.skills = {{6, 1}};
    EquipSet six = five;
    six.setPiece(PartBody, &body);
    EXPECT_EQ(skillBlockOf(buildClipText(six, skills)), "S1, S2, S3, S4, S5, \r\nS6\r\n");

    EquipItem arm = piece(PartArm, "a", 1, 0);
    arm.skills = {{7, 1}, {8, 1}, {9, 1}, {10, 1}};
    EquipSet ten = six;
    ten.setPiece(PartArm, &arm);
    EXPECT_EQ(skillBlockOf(buildClipText(ten, skills)), "S1, S2, S3, S4, S5, \r\nS6, S7, S8, S9, S10\r\n");
}

TEST(ClipText, SkillsSortByTotalThenTreeIdAndSkipInactiveOnes)
{
    SkillCatalogue skills = signSkills();
    skills.addTree({20, "T20", {{20, 10, "S20"}, {20, -10, "B20"}}});
    EquipItem head = piece(PartHead, "h", 1, 0);
    // Tree 20 at +5 activates nothing; tree 77 is not in the catalogue.
    head.skills = {{9, 1}, {3, 1}, {20, 5}, {77, 10}, {7, -1}, {4, 3}};
    EquipItem body = piece(PartBody, "b", 1, 0);
    body.skills = {{4, -2}, {20, -25}, {3, 1}};
    EquipSet set;
    set.setPiece(PartHead, &head);
    set.setPiece(PartBody, &body);
    // Totals: 9:+1, 3:+2, 20:-20, 7:-1, 4:+1.
    EXPECT_EQ(skillBlockOf(buildClipText(set, skills)), "B20, B7, S4, S9, S3\r\n");
}
