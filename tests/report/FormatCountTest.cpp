#include "report/FormatCount.h"

#include <gtest/gtest.h>

#include <cstdint>

using zeku::formatCount;

TEST(FormatCount, SmallValuesHaveNoSeparator)
{
    EXPECT_EQ(formatCount(0), "0");
    EXPECT_EQ(formatCount(7), "7");
    EXPECT_EQ(formatCount(999), "999");
}

TEST(FormatCount, InnerGroupsKeepTheirLeadingZeros)
{
    EXPECT_EQ(formatCount(1000), "1,000");
    EXPECT_EQ(formatCount(1001), "1,001");
    EXPECT_EQ(formatCount(1000000), "1,000,000");
    EXPECT_EQ(formatCount(1000000000ULL), "1,000,000,000");
    EXPECT_EQ(formatCount(999999999999ULL), "999,999,999,999");
    EXPECT_EQ(formatCount(1000000000000ULL), "1,000,000,000,000");
    EXPECT_EQ(formatCount(10203004005ULL), "10,203,004,005");
}

TEST(FormatCount, EverythingAboveTwelveDigitsIsOneLeadingGroup)
{
    EXPECT_EQ(formatCount(12345678901234ULL), "12,345,678,901,234");
    EXPECT_EQ(formatCount(UINT64_MAX), "18446744,073,709,551,615");
}
