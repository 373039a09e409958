// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Colour.h"

#include <string>
#include <string_view>

namespace quillog
{

class KeyValueStore;

/// Cell border style of the grids, in the order of the Options dialog's list.
enum class GridStyle { None = 0, Flat = 1, Inset = 2, Raised = 3 };

inline constexpr Colour defaultGridBackColour = makeColour(220, 220, 220);
inline constexpr Colour defaultGridTextColour = makeColour(0, 0, 150);
inline constexpr Colour defaultGridSelectedColour = makeColour(255, 128, 0);
inline constexpr Colour defaultGridMarkedColour = makeColour(255, 200, 200);
inline constexpr Colour defaultGridLinesColour = makeColour(128, 128, 128);
inline constexpr std::string_view defaultGridFont = "Tahoma,8,400,0";

/// How every grid of the program looks and scrolls.
struct GridAppearance {
    Colour backColour = defaultGridBackColour;
    Colour textColour = defaultGridTextColour;
    Colour selectedColour = defaultGridSelectedColour;
    Colour markedColour = defaultGridMarkedColour;
    Colour linesColour = defaultGridLinesColour;
    GridStyle style = GridStyle::Flat;
    /// Face, points, weight, italic: see FontDescription.h.
    std::string fontDescription = std::string(defaultGridFont);
    /// Scroll by whole cells instead of by pixels.
    bool excelScroll = false;
};

/// The options the main window keeps in memory and hands to readers, writers and tools.
struct Settings {
    bool useLowerCase = false;
    bool useTypeIndicator = false;
    bool useCommaFreq = false;
    bool doNotCheckRequired = false;
    bool ignoreBracket = false;
    bool separateQso = false;
    /// ';' or ','.
    char csvSeparator = ';';
    GridAppearance grid;
};

/// Reads the options; a value that is missing or unreadable keeps its default.
Settings readSettings(const KeyValueStore &store);
/// Reads what a grid window needs to look like the main grid.
GridAppearance readGridAppearance(const KeyValueStore &store);
/// The style for a stored number: 0 to 3, anything else counts as None.
GridStyle gridStyleFromNumber(long long number);

} // namespace quillog
