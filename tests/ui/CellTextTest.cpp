// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CellText.h"

#include "UiTestSupport.h"

#include <gtest/gtest.h>

namespace quillog::ui
{

TEST(CellText, RecognisesValidUtf8)
{
    struct Case {
        const char *bytes;
        bool valid;
    };
    for (const Case c : { Case { "DL1ABC", true }, { "M\xC3\xBCller", true }, { "\xE2\x82\xAC", true },
             { "\xF0\x9F\x93\xBB", true }, { "M\xFCller", false }, { "\xC3", false }, { "\xC0\xAF", false },
             { "\xED\xA0\x80", false }, { "\xF4\x90\x80\x80", false }, { "\xE2\x82", false },
             { "Jo\xC3\xABl Schr\xC3\xB6"
               "der",
                 true },
             { "Ostseestrand M\xFCritz", false }, { "Ostseestrand M\xC3", false } }) {
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << c.bytes;
    }
}

TEST(CellText, EveryWindows1252ByteSurvivesDecodingAndEncoding)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    EXPECT_EQ(encodeWindows1252(decodeWindows1252(all)), all);
    EXPECT_EQ(decodeWindows1252("\x80\x9A\xE9"), QStringLiteral("\u20AC\u0161\u00E9"));
}

TEST(CellText, CharactersOutsideWindows1252BecomeOneQuestionMark)
{
    EXPECT_EQ(encodeWindows1252(QStringLiteral("SP\u0141 \U0001F4FB")), "SP? ?");
}

TEST(CellText, DocumentEncodingFollowsTheCells)
{
    LogTable plain = test::loadedTable({ { "CALL", "NAME" }, { "DL1ABC", "Jorg" } });
    EXPECT_EQ(detectEncoding(plain), TextEncoding::Utf8);
    LogTable utf8 = test::loadedTable({ { "CALL", "NAME" }, { "DL1ABC", "J\xC3\xB6rg" } });
    EXPECT_EQ(detectEncoding(utf8), TextEncoding::Utf8);
    LogTable western = test::loadedTable({ { "CALL", "NAME" }, { "DL1ABC", "J\xF6rg" } });
    EXPECT_EQ(detectEncoding(western), TextEncoding::Windows1252);
}

} // namespace quillog::ui
