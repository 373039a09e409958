// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Calendar.h"

#include <gtest/gtest.h>

using namespace quillog;

TEST(Calendar, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(dayNumber(1899, 12, 30), 0);
    EXPECT_EQ(dayNumber(1900, 1, 1), 2);
    EXPECT_EQ(dayNumber(2000, 1, 1), 36526);
    EXPECT_EQ(dayNumber(2024, 3, 1).value() - dayNumber(2024, 2, 28).value(), 2);
    EXPECT_EQ(dayNumber(2023, 3, 1).value() - dayNumber(2023, 2, 28).value(), 1);
    EXPECT_FALSE(dayNumber(2023, 2, 29));
    EXPECT_FALSE(dayNumber(1900, 2, 29));
    EXPECT_TRUE(dayNumber(2000, 2, 29));
    EXPECT_FALSE(dayNumber(99, 1, 1));
}

TEST(Calendar, LeadingDateIsZeroWhenInvalidAndAbsentWhenShort)
{
    EXPECT_EQ(dayNumberOfLeadingDate("20000101 extra"), 36526);
    EXPECT_EQ(dayNumberOfLeadingDate("20001301"), 0);
    EXPECT_EQ(dayNumberOfLeadingDate("2024-1-1"), 0);
    EXPECT_FALSE(dayNumberOfLeadingDate("2024"));
}
