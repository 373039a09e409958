// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

inline constexpr std::size_t kBandPlanBandWidth = 7;
inline constexpr std::size_t kBandPlanModeWidth = 15;
inline constexpr std::size_t kBandPlanFreqWidth = 15;

/// One band and mode to frequency mapping. The mode is "ALL", a mode class ("CW", "SSB", "DIGI", "FT8",
/// "AM", "FM") or several classes separated by commas ("DIGI, SSB"); the frequency is MHz as text.
struct BandPlanRow {
    std::string band;
    std::string mode;
    std::string freq;

    friend bool operator==(const BandPlanRow &, const BandPlanRow &) = default;
};

/// A row with each field cut to its width.
BandPlanRow makeBandPlanRow(std::string_view band, std::string_view mode, std::string_view freq);

/// Rows in the order of the file, the editor and the lookup.
struct BandPlan {
    std::vector<BandPlanRow> rows;

    bool isEmpty() const { return rows.empty(); }
    friend bool operator==(const BandPlan &, const BandPlan &) = default;
};

/// The file name of the operator's band plan in the data folder.
inline constexpr std::string_view kBandPlanFileName = "bandplan.xml";
std::string bandPlanPath(const std::string &dataFolder);

/// The text of bandplan.xml: one element per line, four blanks per level, CR LF; adjacent rows of one
/// band share a band element.
std::string bandPlanText(const BandPlan &plan);

/// Reads the text of bandplan.xml line by line (no XML parser, no escapes). False when it holds no
/// non-empty line; a text with lines but no complete map gives an empty plan and true.
bool parseBandPlan(std::string_view text, BandPlan &plan);

/// The plan the program carries, and its text exactly as the writer lays it out.
const std::string &defaultBandPlanText();
BandPlan defaultBandPlan();

struct LoadedBandPlan {
    BandPlan plan;
    bool isDefault = false; ///< true when bandplan.xml was missing, unreadable or without a line
};

/// The operator's plan from the data folder, or the default plan when there is no usable file.
LoadedBandPlan loadBandPlan(const std::string &dataFolder);
/// Writes bandplan.xml safely; false when it could not be written (the old file then stays).
bool saveBandPlan(const BandPlan &plan, const std::string &dataFolder);

/// The class a log's mode falls in for the plan: "SSB", "CW", "FT8", "AM" or "FM" as they stand,
/// anything else "DIGI".
std::string_view bandPlanModeClass(std::string_view mode);

/// The frequency for a band (trimmed, upper case) and a mode (trimmed): the first row of the band whose
/// mode is "ALL" or names the mode's class, else the last of its rows naming "CW", else empty.
std::string frequencyForBand(const BandPlan &plan, std::string_view band, std::string_view mode);

} // namespace quillog
