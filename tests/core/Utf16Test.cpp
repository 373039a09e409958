// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf16.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace std::string_literals;

TEST(Utf16ToUtf8, ConvertsEitherByteOrder)
{
    struct Case {
        std::string bytes;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        { "A\0B\0"s, "AB" },
        { "\xFF\xFE"s
          "A\0B\0"s,
            "AB" }, // the byte-order mark is dropped
        { "\xFE\xFF"s
          "\0A\0B"s,
            "AB" },
        { "\0A\0B"s, "AB" }, // big-endian without a mark: the zero high bytes come first
        { "\0<\0E\0O\0H\0>\x30\x42"s, "<EOH>\xE3\x81\x82" },
        { "\xE9\0\x14\x04"s, "\xC3\xA9\xD0\x94" }, // é, Д
        { "\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80" }, // a surrogate pair
        { "\x3D\xD8"
          "A\0"s,
            "\xEF\xBF\xBD"
            "A" }, // a lone high surrogate
        { "\x00\xDE"s, "\xEF\xBF\xBD" },
        { "A\0B\0\0\0C\0"s, "AB" }, // ends at the first zero unit
        { "A\0B"s, "A" }, // an odd last byte
        { "\0\0A\0"s, std::nullopt },
        { "\xFF\xFE"s, std::nullopt },
        { ""s, std::nullopt },
    };
    for (const Case &c : cases)
        EXPECT_EQ(utf16ToUtf8(c.bytes), c.expected) << testing::PrintToString(c.bytes);
}

TEST(Utf16ToUtf8, TextLongerInUtf8ThanInUtf16Converts)
{
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += "\x71\x67"s; // 東, three bytes in UTF-8
    const auto text = utf16ToUtf8(bytes);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 3000u);
    EXPECT_EQ(text->substr(0, 3), "\xE6\x9D\xB1");
}
