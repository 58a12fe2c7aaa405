#include "platform/LenientNumber.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zeku;

TEST(LenientNumber, ReadsLeadingNumberLikeAtoi)
{
    EXPECT_EQ(parseLenientInt("  -12abc"), -12);
    EXPECT_EQ(parseLenientInt("abc"), 0);
    EXPECT_EQ(parseLenientInt("+7"), 7);
    EXPECT_EQ(parseLenientInt("\t\n\v\f\r 42"), 42);
    EXPECT_EQ(parseLenientInt("12 34"), 12);
    EXPECT_EQ(parseLenientInt("0012"), 12);
    EXPECT_EQ(parseLenientInt("3.9"), 3);
}

TEST(LenientNumber, NoDigitsGiveZero)
{
    EXPECT_EQ(parseLenientInt(""), 0);
    EXPECT_EQ(parseLenientInt("   "), 0);
    EXPECT_EQ(parseLenientInt("-"), 0);
    EXPECT_EQ(parseLenientInt("+-3"), 0);
    EXPECT_EQ(parseLenientInt("- 3"), 0);
    EXPECT_EQ(parseLenientInt("\x82\x50"), 0); // a full-width digit is not a digit
}

TEST(LenientNumber, OverflowSaturatesLikeStrtolThenKeepsLow32Bits)
{
    EXPECT_EQ(parseLenientInt("2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(parseLenientInt("-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(parseLenientInt("4294967295"), -1);
    EXPECT_EQ(parseLenientInt("4294967296"), 0);
    // Beyond 64 bits the value sticks at the 64-bit limit before it is cut.
    EXPECT_EQ(parseLenientInt("99999999999999999999999"), -1); // 0x7FFF...FFFF
    EXPECT_EQ(parseLenientInt("-99999999999999999999999"), 0); // 0x8000...0000
    EXPECT_EQ(parseLenientInt("9223372036854775807"), -1);
    EXPECT_EQ(parseLenientInt("9223372036854775808"), -1);
}

TEST(LenientNumber, SixteenBitStorageKeepsLowBits)
{
    EXPECT_EQ(parseLenientInt16("32767"), 32767);
    EXPECT_EQ(parseLenientInt16("-32768"), -32768);
    EXPECT_EQ(parseLenientInt16("65535"), -1);
    EXPECT_EQ(parseLenientInt16("32768"), -32768);
    EXPECT_EQ(parseLenientInt16("70000"), 4464);
    EXPECT_EQ(parseLenientInt16("-70000"), -4464);
    EXPECT_EQ(parseLenientInt16(" -15pt"), -15);

    EXPECT_EQ(parseLenientUInt16("65535"), 65535);
    EXPECT_EQ(parseLenientUInt16("70000"), 4464);
    EXPECT_EQ(parseLenientUInt16("-1"), 65535);
    EXPECT_EQ(parseLenientUInt16("65536"), 0);
}
