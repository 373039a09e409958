// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <functional>
#include <string_view>

namespace quillog
{

class LogTable;
class UndoJournal;
struct BandPlan;

/// Asks the operator a Yes/No question; true for Yes.
using Confirm = std::function<bool(std::string_view question)>;

inline constexpr std::string_view kNoBandColumnMessage = "Cannot find BAND column.";
inline constexpr std::string_view kBandColumnExistsQuestion
    = "The <BAND> column is already exists.\nAre you sure you want to add bands to it?";
inline constexpr std::string_view kFrequencyColumnExistsQuestion
    = "The <FREQ> column is already exists.\nAre you sure you want to add frequencies to it?";

/// Make <BAND> from <FREQ>: fills the empty cells of the last BAND column with the band of the last FREQ
/// column's frequency. Without a BAND column one is inserted after FREQ; with one, confirm is asked
/// first. Cells that hold anything, a blank included, are never overwritten.
ToolResult makeBandFromFrequency(LogTable &table, UndoJournal &journal, const Confirm &confirm);

/// Make <FREQ> from <BAND>: fills the empty cells of the last FREQ column from the band plan, by the
/// last BAND column (upper-cased) and the last MODE column. Without a FREQ column one is inserted after
/// BAND; with one, confirm is asked first. Bands the plan does not name stay empty.
ToolResult makeFrequencyFromBand(
    LogTable &table, UndoJournal &journal, const BandPlan &plan, const Confirm &confirm);

} // namespace quillog
