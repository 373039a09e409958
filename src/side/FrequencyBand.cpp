// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/FrequencyBand.h"

#if __has_include("tools/BandOfFrequency.h")
#include "tools/BandOfFrequency.h"

namespace quillog
{

std::string_view sideBandOfFrequency(std::string_view frequency)
{
    return bandOfFrequency(frequency);
}

} // namespace quillog

#else
// Stand-in until the column tools' band conversion is built into this tree: the band edges of the
// ADIF band enumeration, a comma read as the decimal point. Delete this branch once it is.
#include "core/Text.h"

#include <algorithm>
#include <array>
#include <string>

namespace quillog
{

std::string_view sideBandOfFrequency(std::string_view frequency)
{
    struct Edges {
        std::string_view band;
        double low, high;
    };
    static constexpr std::array<Edges, 33> bands { { { "2190M", .1357, .1378 }, { "630M", .472, .479 },
        { "560M", .501, .504 }, { "160M", 1.8, 2.0 }, { "80M", 3.5, 4.0 }, { "60M", 5.06, 5.45 },
        { "40M", 7.0, 7.3 }, { "30M", 10.1, 10.15 }, { "20M", 14.0, 14.35 }, { "17M", 18.068, 18.168 },
        { "15M", 21.0, 21.45 }, { "12M", 24.89, 24.99 }, { "10M", 28.0, 29.7 }, { "8M", 40, 45 },
        { "6M", 50, 54 }, { "5M", 54.000001, 69.9 }, { "4M", 70, 71 }, { "2M", 144, 148 },
        { "1.25M", 222, 225 }, { "70CM", 420, 450 }, { "33CM", 902, 928 }, { "23CM", 1240, 1300 },
        { "13CM", 2300, 2450 }, { "9CM", 3300, 3500 }, { "6CM", 5650, 5925 }, { "3CM", 10000, 10500 },
        { "1.25CM", 24000, 24250 }, { "6MM", 47000, 47200 }, { "4MM", 75500, 81000 },
        { "2.5MM", 119980, 123000 }, { "2MM", 134000, 149000 }, { "1MM", 241000, 250000 },
        { "SUBMM", 300000, 7500000 } } };
    std::string text(frequency);
    std::replace(text.begin(), text.end(), ',', '.');
    const double megahertz = leadingNumber(text);
    for (const Edges &edges : bands) {
        if (megahertz >= edges.low && megahertz <= edges.high)
            return edges.band;
    }
    return {};
}

} // namespace quillog
#endif
