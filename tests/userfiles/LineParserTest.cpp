#include "userfiles/LineParser.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using zeku::ParsedLine;
using zeku::parseUserFileLine;
using zeku::test::sj;

namespace {

using Fields = std::vector<std::string>;

ParsedLine parsed(std::string_view line)
{
    ParsedLine out;
    EXPECT_TRUE(parseUserFileLine(line, out)) << line;
    return out;
}

} // namespace

TEST(LineParser, BlankAndCommentLinesAreNoData)
{
    ParsedLine out{"stale", {"x"}};
    for (std::string_view line :
         {"", "   ", "\t \t", ";comment", "#comment", "  ; indented comment", "\t#x=1,2", ";", "#"}) {
        out = ParsedLine{"stale", {"x"}};
        EXPECT_FALSE(parseUserFileLine(line, out)) << '"' << line << '"';
        EXPECT_TRUE(out.key.empty());
        EXPECT_TRUE(out.fields.empty());
    }
}

TEST(LineParser, CommentMarkOnlyCountsAtTheStart)
{
    ParsedLine out = parsed("a;b#c");
    EXPECT_EQ(out.key, "a;b#c");
    EXPECT_EQ(out.fields, Fields{"a;b#c"});
}

TEST(LineParser, FirstEqualsSplitsKeyAndValue)
{
    ParsedLine out = parsed("Key=1,2,3");
    EXPECT_EQ(out.key, "Key");
    EXPECT_EQ(out.fields, (Fields{"1", "2", "3"}));

    out = parsed("a=b=c,d");
    EXPECT_EQ(out.key, "a");
    EXPECT_EQ(out.fields, (Fields{"b=c", "d"}));
}

TEST(LineParser, WithoutEqualsKeyAndValueAreTheWholeLine)
{
    ParsedLine out = parsed("  name,2  ");
    EXPECT_EQ(out.key, "name,2");
    EXPECT_EQ(out.fields, (Fields{"name", "2"}));

    out = parsed("[Head]");
    EXPECT_EQ(out.key, "[Head]");
    EXPECT_EQ(out.fields, Fields{"[Head]"});
}

TEST(LineParser, EmptyFieldsAreDropped)
{
    EXPECT_EQ(parsed("a,,b").fields, (Fields{"a", "b"}));
    EXPECT_EQ(parsed("a,").fields, Fields{"a"});
    EXPECT_EQ(parsed(",a").fields, Fields{"a"});
    EXPECT_EQ(parsed("k=,,x,,").fields, Fields{"x"});

    ParsedLine commas = parsed(",,,");
    EXPECT_EQ(commas.key, ",,,");
    EXPECT_TRUE(commas.fields.empty());
}

TEST(LineParser, EmptyKeyOrEmptyValue)
{
    ParsedLine out = parsed("=x");
    EXPECT_EQ(out.key, "");
    EXPECT_EQ(out.fields, Fields{"x"});

    out = parsed("Key=");
    EXPECT_EQ(out.key, "Key");
    EXPECT_TRUE(out.fields.empty());
}

TEST(LineParser, OnlyTheWholeLineIsTrimmed)
{
    // The key keeps the blank before "=", fields keep their blanks; only the
    // outer ends of the line lose theirs.
    ParsedLine out = parsed("\t key = a , b \r");
    EXPECT_EQ(out.key, "key ");
    EXPECT_EQ(out.fields, (Fields{" a ", " b"}));
}

TEST(LineParser, DoubleByteTextWithBackslashTrailByteStaysWhole)
{
    // "ソ", "表" and "能" end in the byte 0x5C; trimming and splitting must keep them intact.
    const std::string so = sj("ソ"), hyou = sj("表"), nou = sj("能");
    ASSERT_EQ(so, "\x83\x5C");
    ASSERT_EQ(hyou, "\x95\x5C");

    ParsedLine out = parsed("  " + hyou + "=" + nou + "," + so + "  ");
    EXPECT_EQ(out.key, hyou);
    EXPECT_EQ(out.fields, (Fields{nou, so}));

    out = parsed(sj("ソウルヘルム") + ",2\t");
    EXPECT_EQ(out.fields, (Fields{sj("ソウルヘルム"), "2"}));

    out = parsed(so + " \t");
    EXPECT_EQ(out.key, so);
}

TEST(LineParser, DoubleByteTextWhoseTrailByteLooksLikeALeadByte)
{
    // "を" is 0x82 0xF0: its trail byte lies in the lead-byte range.
    const std::string wo = sj("を");
    ASSERT_EQ(wo, "\x82\xF0");
    ParsedLine out = parsed(" " + wo + wo + " ");
    EXPECT_EQ(out.key, wo + wo);
}

TEST(LineParser, HalfWidthKatakanaAreSingleBytes)
{
    // 0xB1..0xDF are whole characters, so a blank after them is trimmed.
    ParsedLine out = parsed(sj("ｱｲｳ") + " ");
    EXPECT_EQ(out.key, sj("ｱｲｳ"));
    EXPECT_EQ(out.key.size(), 3u);
}
