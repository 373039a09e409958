// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Text.h"

#include <gtest/gtest.h>

using namespace quillog;

TEST(LeadingNumber, ReadsUpToTheFirstCharacterThatIsNoPartOfTheNumber)
{
    struct Case {
        const char *text;
        double expected;
    };
    for (const Case c : { Case { "14.074", 14.074 }, { "  -7.5kHz", -7.5 }, { "+3", 3 }, { "144", 144 },
             { ".5", 0.5 }, { "1e3", 1000 }, { "abc", 0 }, { "", 0 }, { "inf", 0 }, { "nan", 0 },
             { "--1", 0 }, { "7,074", 7 }, { "1e400", 1.7976931348623157e308 }, { "1e-400", 0 },
             { "0.000e-999", 0 }, { "-1e-400", 0 }, { "12345e-330", 0 }, { "0.001e309", 1e306 } }) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << c.text;
    }
}

TEST(LeadingInteger, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(leadingInteger(" 0042x"), 42);
    EXPECT_EQ(leadingInteger("-12"), -12);
    EXPECT_EQ(leadingInteger("99999999999999999999999"), 9223372036854775807LL);
    EXPECT_EQ(leadingInteger("x1"), 0);
}

TEST(Text, TrimsCaseFoldsAndSearchesAsciiOnly)
{
    EXPECT_EQ(trimmed(" \t\r\nAB C \r\n"), "AB C");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(toUpper("qso_date \xe9"), "QSO_DATE \xe9");
    EXPECT_TRUE(equalsIgnoreCase("<eor>", "<EOR>"));
    EXPECT_EQ(findIgnoreCase("abc<eOr>", "<EOR>"), 3u);
    EXPECT_EQ(findIgnoreCase("abc", "<EOR>"), std::string_view::npos);
}

TEST(Text, AsciiPrefixStopsAtTheFirstHighByteWhereverItLies)
{
    struct Case {
        std::string_view text;
        std::size_t prefix;
    };
    for (const Case c : { Case { "", 0 }, { "DL1ABC", 6 }, { "\x80", 0 }, { "ABCDEFGH", 8 },
             { "ABCDEFG\xFF", 7 }, { "ABCDEFGH\xC3\xBC", 8 }, { "ABCDEFGHIJKLMNOPQ\xE9R", 17 },
             { std::string_view("A\0B", 3), 3 } }) {
        EXPECT_EQ(asciiPrefixLength(c.text), c.prefix) << c.text;
        EXPECT_EQ(isAscii(c.text), c.prefix == c.text.size()) << c.text;
    }
}
