// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/ModeClass.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// The warning shown when the log lacks CALL, MODE, or both BAND and FREQ.
inline constexpr std::string_view kNotEnoughDataMessage = "Not enough data for calculation.";

/// The QSOs of one band: how many, of which DXCC entities, and of which mode classes.
struct BandTally {
    std::string band;
    int qsos = 0;
    std::unordered_set<int> entities; ///< DXCC entity codes, 1 and above
    std::array<int, kModeClassCount> byModeClass {}; ///< indexed by ModeClass
};

struct LogStatistics {
    bool ok = false; ///< false when the log lacks the columns (message says so)
    bool stopped = false; ///< the operator stopped the count; the figures cover the rows counted
    std::string message;
    int qsos = 0; ///< every QSO row of the log
    int uniqueCalls = 0; ///< distinct non-empty calls, letter case ignored
    std::vector<BandTally> bands; ///< in order of first appearance; the empty band collects the rest
};

/// One row of the statistics grid and chart.
struct BandFigures {
    std::string band;
    int qsos = 0;
    int entities = 0;
    std::array<int, kModeClassCount> byModeClass {};

    friend bool operator==(const BandFigures &, const BandFigures &) = default;
};

/// Counts the log's QSOs, its distinct calls and, per band, QSOs, DXCC entities and mode classes. The
/// band is the BAND cell (trimmed, upper case), or the band of the FREQ cell where the log has no BAND
/// column or the cell is empty. A DXCC cell counts when it reads as a whole number of 1 or more.
/// Reads the table only; tests the operator's Stop once per row.
LogStatistics countStatistics(const LogTable &table, Progress &progress);

/// The grid's rows: every band with a name, in plain character order ("10M", "160M", "20M", "2M").
std::vector<BandFigures> statisticsGrid(const LogStatistics &statistics);

/// The same rows in the order of the ADIF band list, from low to high frequency (the chart's order).
std::vector<BandFigures> bandsByFrequency(std::vector<BandFigures> rows);

} // namespace quillog
