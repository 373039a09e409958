// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog
{

/// The grid font as the settings keep it: the text "face,points,weight,italic" ("Tahoma,8,400,0"),
/// weight 400 normal and 700 bold, italic 0 or 1.
struct FontDescription {
    std::string faceName;
    int pointSize = 8;
    int weight = 400;
    bool italic = false;

    friend bool operator==(const FontDescription &, const FontDescription &) = default;
};

/// Builds the font a stored description asks for. It starts from the system's interface face at
/// 8 points, weight 400, upright; a description without a comma is ignored. Otherwise each
/// comma-separated field, trimmed, replaces its part when it is not empty: face, size, weight, and
/// the rest of the text as the italic flag.
FontDescription fontFromDescription(std::string_view description, std::string_view systemFaceName);

/// The description to store for a font: "%s,%i,%i,%i".
std::string formatFontDescription(const FontDescription &font);

/// The character height (negative, in pixels) of a size in points on a screen of the given density,
/// rounded to the nearest pixel.
int fontHeightForPoints(int points, int dotsPerInch);
/// The size in points of a character height in pixels (either sign), rounded half away from zero.
int pointsForFontHeight(int height, int dotsPerInch);

} // namespace quillog
