// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class UndoJournal;

/// The unit a frequency column holds; MegaHertz only checks and repairs the form of the numbers.
enum class FrequencyUnit { KiloHertz, Hertz, GigaHertz, MegaHertz };

/// The dialog's choices, indexed by FrequencyUnit.
const std::array<std::string_view, 4> &frequencyUnitLabels();

inline constexpr std::string_view kNoFrequencyColumnMessage = "Cannot find FREQ column.";

/// The cell's frequency in MHz as FREQ holds it (six decimals, trailing zeros dropped down to three,
/// a comma for the point when asked). The first comma of the trimmed cell counts as its decimal point.
/// nullopt when the cell holds no number, or one that is not a finite positive frequency in MHz.
std::optional<std::string> megahertzFrom(std::string_view cell, FrequencyUnit unit, bool commaPoint);

/// Rewrites every QSO cell of the column that holds a frequency; other cells stay as they are. One
/// column snapshot is recorded first.
ToolResult convertFrequencyColumn(
    LogTable &table, UndoJournal &journal, int column, FrequencyUnit unit, bool commaPoint);

} // namespace quillog
