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

/// The layouts a time column may come in, in the order the dialog offers them.
enum class TimeTemplate { HhColonMm, HhColonMmColonSs, Hhmm, Hhmmss, Hh, Mm };
/// The ADIF forms a time is rewritten to.
enum class TimeTarget { Hhmm, Hhmmss };

/// "HH:MM", "HH:MM:SS", "HHMM", "HHMMSS", "HH", "MM", indexed by TimeTemplate.
const std::array<std::string_view, 6> &timeTemplateNames();
/// "HHMM", "HHMMSS", indexed by TimeTarget.
const std::array<std::string_view, 2> &timeTargetNames();
std::optional<TimeTemplate> timeTemplateNamed(std::string_view name);
std::optional<TimeTarget> timeTargetNamed(std::string_view name);

inline constexpr std::string_view kNoTimeColumnMessage = "Cannot find TIME_ON or TIME_OFF column.";

/// The ADIF time rearranged from the trimmed cell by character positions; nullopt when the cell is too
/// short or lacks the colons the layout has. "HH" and "MM" keep the first two characters whatever the
/// target. Seconds are dropped, never rounded; digits are not checked.
std::optional<std::string> adifTimeFrom(std::string_view cell, TimeTemplate layout, TimeTarget target);

/// Rewrites every QSO cell of the column that fits the layout; one column snapshot is recorded first.
ToolResult convertTimeColumn(
    LogTable &table, UndoJournal &journal, int column, TimeTemplate layout, TimeTarget target);

} // namespace quillog
