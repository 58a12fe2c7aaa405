#include "platform/Cp932.h"

#include <gtest/gtest.h>

using namespace zeku;

namespace {

const std::string kSo = "\x83\x5C"; // ソ: the trail byte is the ASCII backslash
const std::string kHyo = "\x95\x5C"; // 表
const std::string kOne = "\x82\x50"; // １ (full width)
const std::string kNine = "\x82\x58"; // ９ (full width)
const std::string kCircled1 = "\x87\x40"; // ①: only in the Microsoft table

} // namespace

TEST(Cp932, JapaneseTextConvertsToExactBytesAndBack)
{
    const std::string utf8 = "ソ表１９①～ｱ\\~";
    const std::string cp932 = kSo + kHyo + kOne + kNine + kCircled1 + "\x81\x60" + "\xB1" + "\\~";
    EXPECT_EQ(utf8ToCp932Lossy(utf8), cp932);
    EXPECT_EQ(utf8ToCp932Strict(utf8), cp932);
    EXPECT_EQ(cp932ToUtf8(cp932), utf8);
}

TEST(Cp932, BackslashTrailBytesSurviveTheRoundTripInsideLongerText)
{
    // A converter that treated 0x5C as a character of its own would break these.
    const std::string utf8 = "ソフト表示\\パス";
    EXPECT_EQ(cp932ToUtf8(utf8ToCp932Lossy(utf8)), utf8);
}

TEST(Cp932, LossyTurnsEachUnmappableCharacterIntoOneQuestionMark)
{
    EXPECT_EQ(utf8ToCp932Lossy("A\xF0\x9F\x98\x80"
                               "B"),
              "A?B"); // emoji
    EXPECT_EQ(utf8ToCp932Lossy("𠮷野家"), "?" + utf8ToCp932Lossy("野家")); // outside the table
    EXPECT_EQ(utf8ToCp932Lossy("ソ😀😀表"), kSo + "??" + kHyo);
    EXPECT_EQ(utf8ToCp932Lossy(""), "");
}

TEST(Cp932, LossyReplacesInvalidUtf8WithoutSwallowingTheTextAfterIt)
{
    EXPECT_EQ(utf8ToCp932Lossy("a\xFF"
                               "b"),
              "a?b");
    // A lead byte followed by ASCII: only the broken byte goes.
    EXPECT_EQ(utf8ToCp932Lossy("\xE3"
                               "AB"),
              "?AB");
    EXPECT_EQ(utf8ToCp932Lossy("x\xE3\x81"), "x?"); // truncated at the end
}

TEST(Cp932, StrictRefusesAndNamesTheFirstUnmappableCharacter)
{
    std::string offending;
    EXPECT_EQ(utf8ToCp932Strict("名前𠮷と😀", &offending), std::nullopt);
    EXPECT_EQ(offending, "𠮷");

    offending.clear();
    EXPECT_EQ(utf8ToCp932Strict("abc\xF0\x9F\x98\x80", &offending), std::nullopt);
    EXPECT_EQ(offending, "\xF0\x9F\x98\x80");

    EXPECT_EQ(utf8ToCp932Strict("😀"), std::nullopt); // no out-parameter is fine

    offending = "untouched";
    EXPECT_EQ(utf8ToCp932Strict("ソ表", &offending), kSo + kHyo);
    EXPECT_EQ(offending, "untouched");
}

TEST(Cp932, InvalidCp932BecomesReplacementCharacter)
{
    EXPECT_EQ(cp932ToUtf8("A\x85\x40"
                          "B"),
              "A\xEF\xBF\xBD"
              "B"); // unassigned double-byte code
    EXPECT_EQ(cp932ToUtf8("A\x82"), "A\xEF\xBF\xBD"); // lead byte cut off at the end
    EXPECT_EQ(cp932ToUtf8("\x81 x\x82\x0A"), "\xEF\xBF\xBD x\xEF\xBF\xBD\x0A"); // no trail: next byte kept
    EXPECT_EQ(cp932ToUtf8(""), "");
}

TEST(Cp932, CharLengthFollowsLeadBytes)
{
    const std::string text = "a" + kSo + "\xB1" + kHyo + "\x82";
    EXPECT_EQ(cp932CharLength(text, 0), 1u); // ASCII
    EXPECT_EQ(cp932CharLength(text, 1), 2u); // ソ
    EXPECT_EQ(cp932CharLength(text, 3), 1u); // half-width katakana is a single byte
    EXPECT_EQ(cp932CharLength(text, 4), 2u); // 表
    EXPECT_EQ(cp932CharLength(text, 6), 1u); // lead byte without its trail byte
    // Range ends of the lead-byte set.
    EXPECT_EQ(cp932CharLength("\x81\x40", 0), 2u);
    EXPECT_EQ(cp932CharLength("\x9F\x40", 0), 2u);
    EXPECT_EQ(cp932CharLength("\xE0\x40", 0), 2u);
    EXPECT_EQ(cp932CharLength("\xFC\x40", 0), 2u);
    EXPECT_EQ(cp932CharLength("\x80\x40", 0), 1u);
    EXPECT_EQ(cp932CharLength("\xA0\x40", 0), 1u);
    EXPECT_EQ(cp932CharLength("\xDF\x40", 0), 1u);
    EXPECT_EQ(cp932CharLength("\xFD\x40", 0), 1u);
}

TEST(Cp932, TrimRemovesAsciiBlanksOnlyAtCharacterBoundaries)
{
    EXPECT_EQ(trimCp932("\t\t " + kSo + kHyo + " \t\r\n"), kSo + kHyo);
    EXPECT_EQ(trimCp932(kHyo + "   "), kHyo);
    EXPECT_EQ(trimCp932("\t" + kSo), kSo);
    EXPECT_EQ(trimCp932(" " + kSo + " " + kHyo + " "), kSo + " " + kHyo); // inner blank stays
    EXPECT_EQ(trimCp932(" \t \r\n"), "");
    EXPECT_EQ(trimCp932(""), "");
    // A full-width space is text, not an ASCII blank.
    EXPECT_EQ(trimCp932(" \x81\x40 "), "\x81\x40");
}
