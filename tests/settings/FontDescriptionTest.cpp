// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FontDescription.h"

#include <gtest/gtest.h>

using namespace quillog;

TEST(FontFromDescription, FieldsReplaceTheSystemFontAtEightPoints)
{
    struct Case {
        const char *description;
        FontDescription expected;
    };
    const Case cases[] = {
        { "Tahoma,8,400,0", { "Tahoma", 8, 400, false } },
        { "Arial,12,700,1", { "Arial", 12, 700, true } },
        // Without a comma the text is not a description at all.
        { "Arial", { "System UI", 8, 400, false } },
        { "", { "System UI", 8, 400, false } },
        { " Courier New , 10 , , 0", { "Courier New", 10, 400, false } },
        { ",14", { "System UI", 14, 400, false } },
        { "Arial,,700", { "Arial", 8, 700, false } },
        { "Arial,9,400,", { "Arial", 9, 400, false } },
        // The last field is the rest of the text.
        { "Arial,9,400,1,extra", { "Arial", 9, 400, true } },
        { "Arial,9,400,0,1", { "Arial", 9, 400, false } },
        { "Arial,big,bold,yes", { "Arial", 0, 0, false } },
        { "Arial,99999999999,400,0", { "Arial", 2147483647, 400, false } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(fontFromDescription(c.description, "System UI"), c.expected) << c.description;
}

TEST(FontFromDescription, FormatReadsBackTheSameFont)
{
    for (const FontDescription &font : { FontDescription { "Tahoma", 8, 400, false },
             FontDescription { "DejaVu Sans Mono", 11, 700, true } }) {
        const std::string text = formatFontDescription(font);
        EXPECT_EQ(fontFromDescription(text, "Other"), font) << text;
    }
    EXPECT_EQ(formatFontDescription({ "Arial", 12, 700, true }), "Arial,12,700,1");
}

TEST(FontHeight, PointsAndPixelsRoundToNearest)
{
    struct Case {
        int points, dpi, height;
    };
    for (const Case c :
        { Case { 8, 96, -11 }, { 8, 120, -13 }, { 12, 96, -16 }, { 10, 144, -20 }, { 9, 96, -12 } })
        EXPECT_EQ(fontHeightForPoints(c.points, c.dpi), c.height) << c.points << "pt at " << c.dpi;

    struct Back {
        int height, dpi, points;
    };
    // 14 pixels at 96 dpi are 10.5 points: half away from zero.
    for (const Back c : { Back { -11, 96, 8 }, { -14, 96, 11 }, { 14, 96, 11 }, { -15, 96, 11 },
             { -13, 120, 8 }, { 0, 96, 0 } })
        EXPECT_EQ(pointsForFontHeight(c.height, c.dpi), c.points) << c.height << "px at " << c.dpi;
}
