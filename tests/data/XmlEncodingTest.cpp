#include "data/EquipCatalogue.h"
#include "data/SkillCatalogue.h"
#include "data/XmlSource.h"

#include "data/XmlFixtures.h"

#include <gtest/gtest.h>

using namespace zeku;
using zeku::test::iconvEncode;
using zeku::test::sj;
using zeku::test::TempDir;
using zeku::test::writeXml;
using zeku::test::xmlDocument;

namespace {

// Text that trips the usual mistakes: 0x5C trail bytes, full-width digits,
// characters found only in the Microsoft table, and an ASCII backslash.
const char* const kSkillBody = R"(<Skill>
  <Data ID="1" Name="ソ表１">
    <S Point="10">表示①～</S>
    <S Point="-10">ソ\ド</S>
  </Data>
  <Data ID="2" Name="ｱｲｳ"><S Point="15">ABC</S></Data>
</Skill>)";

const char* const kEquipBody = R"(<Equip>
  <Data Name="表ヘルム" Sex="2" Def="12" Slot="2">
    <Elemental Fire="-3"/>
    <Skill SID="1" Point="5"/>
  </Data>
</Equip>)";

// The loaded catalogue written out as one comparable text (names stay CP932 bytes).
std::string describe(const SkillCatalogue& skills)
{
    std::string out;
    for (const SkillTree& tree : skills.trees()) {
        out += std::to_string(tree.id) + ":" + tree.name + "{";
        for (const SkillActivation& a : tree.activations)
            out += std::to_string(a.threshold) + "=" + a.name + ";";
        out += "}";
    }
    return out;
}

struct Variant {
    const char* label;
    std::string (*encode)(const std::string& body);
};

std::string utf8NoBom(const std::string& body)
{
    return xmlDocument(body, "UTF-8");
}
std::string utf8NoDeclaration(const std::string& body)
{
    return xmlDocument(body, "");
}
std::string utf8Bom(const std::string& body)
{
    return "\xEF\xBB\xBF" + xmlDocument(body, "UTF-8");
}
std::string utf16le(const std::string& body)
{
    return "\xFF\xFE" + iconvEncode(xmlDocument(body, "UTF-16"), "UTF-16LE");
}
std::string utf16be(const std::string& body)
{
    return "\xFE\xFF" + iconvEncode(xmlDocument(body, "UTF-16"), "UTF-16BE");
}
std::string shiftJis(const std::string& body)
{
    return iconvEncode(xmlDocument(body, "Shift_JIS"), "CP932");
}
std::string windows31j(const std::string& body)
{
    return iconvEncode(xmlDocument(body, "Windows-31J"), "CP932");
}
std::string cp932(const std::string& body)
{
    return iconvEncode(xmlDocument(body, "CP932"), "CP932");
}
std::string shiftJisLowerSingleQuotes(const std::string& body)
{
    return iconvEncode("<?xml version='1.0' encoding='shift_jis' standalone='yes'?>\n" + body, "CP932");
}

const Variant kVariants[] = {
    {"UTF-8", utf8NoBom},
    {"UTF-8 without declaration", utf8NoDeclaration},
    {"UTF-8 with BOM", utf8Bom},
    {"UTF-16LE", utf16le},
    {"UTF-16BE", utf16be},
    {"Shift_JIS", shiftJis},
    {"Windows-31J", windows31j},
    {"CP932", cp932},
    {"shift_jis in single quotes", shiftJisLowerSingleQuotes},
};

} // namespace

TEST(XmlEncodings, SkillCatalogueIsTheSameInEveryEncoding)
{
    TempDir dir;
    const std::string expected =
        "1:" + sj("ソ表１") + "{10=" + sj("表示①～") + ";-10=" + sj("ソ\\ド") + ";}2:" + sj("ｱｲｳ") + "{15=ABC;}";
    // The expectation itself: 0x5C trail bytes and the Microsoft-only codes are present.
    ASSERT_NE(expected.find("\x83\x5C\x95\x5C\x82\x50"), std::string::npos);
    ASSERT_NE(expected.find("\x87\x40\x81\x60"), std::string::npos);
    for (const Variant& v : kVariants) {
        SkillCatalogue skills;
        LoadResult r = skills.load(writeXml(dir, "SkillBase.xml", v.encode(kSkillBody)));
        ASSERT_TRUE(r.ok) << v.label << ": " << r.cause;
        EXPECT_EQ(describe(skills), expected) << v.label;
    }
}

TEST(XmlEncodings, EquipmentAndJewelsAreTheSameInEveryEncoding)
{
    TempDir dir;
    const std::string jewelBody = "<Jewel><Data Name=\"ソ珠【１】\" Slot=\"1\"><Skill SID=\"1\" Point=\"-2\"/>"
                                  "</Data></Jewel>";
    for (const Variant& v : kVariants) {
        EquipCatalogue equip(PartHead);
        LoadResult r = equip.load(writeXml(dir, "EquipHead.xml", v.encode(kEquipBody)));
        ASSERT_TRUE(r.ok) << v.label << ": " << r.cause;
        ASSERT_EQ(equip.size(), 1u) << v.label;
        const EquipItem& p = equip.items()[0];
        EXPECT_EQ(p.name, sj("表ヘルム")) << v.label;
        EXPECT_EQ(p.sex, 2);
        EXPECT_EQ(p.defence, 12);
        EXPECT_EQ(p.slots, 2);
        EXPECT_EQ(p.resistance[ElementFire], -3);
        ASSERT_EQ(p.skills.size(), 1u);
        EXPECT_EQ(p.skills[0].points, 5);

        JewelCatalogue jewels;
        r = jewels.load(writeXml(dir, "Jewel.xml", v.encode(jewelBody)));
        ASSERT_TRUE(r.ok) << v.label << ": " << r.cause;
        ASSERT_EQ(jewels.size(), 1u) << v.label;
        EXPECT_EQ(jewels.items()[0].name, sj("ソ珠【１】")) << v.label;
        EXPECT_EQ(jewels.items()[0].skills[0].points, -2);
    }
}

TEST(XmlEncodings, CharactersOutsideCp932BecomeQuestionMarks)
{
    TempDir dir;
    const std::string body = "<Skill><Data ID=\"1\" Name=\"𠮷野\"><S Point=\"10\">A😀B</S></Data></Skill>";
    for (const Variant& v : {Variant{"UTF-8", utf8NoBom}, Variant{"UTF-16LE", utf16le}}) {
        SkillCatalogue skills;
        LoadResult r = skills.load(writeXml(dir, "SkillBase.xml", v.encode(body)));
        ASSERT_TRUE(r.ok) << v.label << ": " << r.cause;
        ASSERT_EQ(skills.trees().size(), 1u);
        EXPECT_EQ(skills.trees()[0].name, "?" + sj("野")) << v.label;
        ASSERT_EQ(skills.trees()[0].activations.size(), 1u);
        EXPECT_EQ(skills.trees()[0].activations[0].name, "A?B") << v.label;
    }
}

TEST(XmlEncodings, BytesThatAreNotValidInTheirEncodingFailTheLoad)
{
    pugi::xml_document doc;
    // 0x85 0x40 has no character in CP932.
    std::string badShiftJis = xmlDocument("<Skill><Data ID=\"1\" Name=\"\x85\x40\"/></Skill>", "Shift_JIS");
    LoadResult r = parseXmlBytes(badShiftJis, "SkillBase.xml", doc);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.file, "SkillBase.xml");

    // A lone low surrogate in UTF-16.
    std::string badUtf16 = "\xFF\xFE" + iconvEncode("<Skill>", "UTF-16LE") + std::string("\x00\xDC", 2) +
                           iconvEncode("</Skill>", "UTF-16LE");
    EXPECT_FALSE(parseXmlBytes(badUtf16, "x.xml", doc).ok);
}
