// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ValueTests.h"

#include <gtest/gtest.h>

using namespace quillog;

namespace
{

struct Case {
    const char *value;
    bool valid;
};

} // namespace

TEST(ValueTests, CallSignsNeedThreeCharactersALetterAndADigit)
{
    for (const Case c : { Case { "K1", false }, { "K1A", true }, { "k1abc", true }, { "DL/K1ABC/P", true },
             { "OK2-9329", true }, { "GER", false }, { "1234", false }, { "DL1 ABC", false },
             { "K1AB?", false }, { "", false } })
        EXPECT_EQ(isValidCallsign(c.value), c.valid) << c.value;
}

TEST(ValueTests, TimesAreFourOrSixDigitsOfARealTimeOfDay)
{
    for (const Case c : { Case { "0915", true }, { "091530", true }, { "2359", true }, { "000000", true },
             { "9:15", false }, { "09:15", false }, { "915", false }, { "09150", false },
             { "0915300", false }, { "2400", false }, { "0960", false }, { "091560", false }, { "", false } })
        EXPECT_EQ(isValidQsoTime(c.value), c.valid) << c.value;
}

TEST(ValueTests, DatesAreEightDigitsOfARealDaySince1930)
{
    for (const Case c : { Case { "20240105", true }, { "20240229", true }, { "19300101", true },
             { "2024-01-05", false }, { "20230229", false }, { "20241301", false }, { "20240100", false },
             { "19291231", false }, { "202401051", false }, { "2024010", false }, { "", false } })
        EXPECT_EQ(isValidQsoDate(c.value), c.valid) << c.value;
}

TEST(ValueTests, FrequenciesArePositiveDecimalNumbers)
{
    for (const Case c : { Case { "14.074", true }, { "7", true }, { ".136", true }, { "10368.1", true },
             { "0", false }, { "0.000", false }, { "-556636544", false }, { "14,074", false },
             { "14.0.74", false }, { ".", false }, { "14 MHz", false }, { "", false } })
        EXPECT_EQ(isValidFrequency(c.value), c.valid) << c.value;
}

TEST(ValueTests, ADecimalCommaStandsForThePointOnlyWhenAskedFor)
{
    for (const Case c : { Case { "14,074", true }, { ",136", true }, { "14,0,74", false },
             { "14.0,74", false }, { "14,", true }, { ",", false } })
        EXPECT_EQ(isValidFrequency(c.value, true), c.valid) << c.value;
}

TEST(CaseInsensitiveSet, FindsEntriesInAnyLetterCaseButNotPartOfThem)
{
    const CaseInsensitiveSet modes({ "FT8", "ssb", "VARA HF" });
    for (const Case c : { Case { "ft8", true }, { "Ft8", true }, { "SSB", true }, { "vara hf", true },
             { "FT", false }, { "FT8 ", false }, { "VARA", false }, { "", false } })
        EXPECT_EQ(modes.contains(c.value), c.valid) << c.value;
}
