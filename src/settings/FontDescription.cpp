// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FontDescription.h"

#include "core/Text.h"

#include <limits>

namespace quillog
{

namespace
{

int clampedInt(long long value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < -std::numeric_limits<int>::max())
        return -std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

// number * multiplier / divisor, rounded half away from zero, without overflow on the way.
int mulDivRounded(long long number, long long multiplier, long long divisor)
{
    const long long product = number * multiplier;
    const long long half = divisor / 2;
    const long long quotient = product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    return clampedInt(quotient);
}

int usableDensity(int dotsPerInch)
{
    return dotsPerInch > 0 ? dotsPerInch : 96;
}

// Takes the text up to the next comma off the front of rest; the whole rest when it has none.
std::string_view takeField(std::string_view &rest)
{
    const std::size_t comma = rest.find(',');
    const std::string_view field = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
    return trimmed(field);
}

} // namespace

FontDescription fontFromDescription(std::string_view description, std::string_view systemFaceName)
{
    FontDescription font;
    font.faceName = std::string(systemFaceName);
    if (description.empty() || description.find(',') == std::string_view::npos)
        return font;

    std::string_view rest = description;
    if (const std::string_view face = takeField(rest); !face.empty())
        font.faceName = std::string(face);
    if (const std::string_view size = takeField(rest); !size.empty())
        font.pointSize = clampedInt(leadingInteger(size));
    if (const std::string_view weight = takeField(rest); !weight.empty())
        font.weight = clampedInt(leadingInteger(weight));
    if (const std::string_view italic = trimmed(rest); !italic.empty())
        font.italic = leadingInteger(italic) != 0;
    return font;
}

std::string formatFontDescription(const FontDescription &font)
{
    return font.faceName + ',' + std::to_string(font.pointSize) + ',' + std::to_string(font.weight) + ','
        + (font.italic ? '1' : '0');
}

int fontHeightForPoints(int points, int dotsPerInch)
{
    return -mulDivRounded(points, usableDensity(dotsPerInch), 72);
}

int pointsForFontHeight(int height, int dotsPerInch)
{
    const int points = mulDivRounded(height, 72, usableDensity(dotsPerInch));
    return points < 0 ? -points : points;
}

} // namespace quillog
