// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace quillog
{

/// A 24-bit colour as the settings store keeps it: 0x00BBGGRR, red in the lowest byte.
using Colour = std::uint32_t;

constexpr Colour makeColour(int red, int green, int blue)
{
    return (static_cast<Colour>(red) & 0xFFu) | ((static_cast<Colour>(green) & 0xFFu) << 8)
        | ((static_cast<Colour>(blue) & 0xFFu) << 16);
}

constexpr int colourRed(Colour colour)
{
    return static_cast<int>(colour & 0xFFu);
}

constexpr int colourGreen(Colour colour)
{
    return static_cast<int>((colour >> 8) & 0xFFu);
}

constexpr int colourBlue(Colour colour)
{
    return static_cast<int>((colour >> 16) & 0xFFu);
}

} // namespace quillog
