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

/// The layouts a date column may come in, in the order the dialog offers them.
enum class DateTemplate { DdMmYy, DdMmYyCompact, DdMmYyyy, DdMmmYy, DdMmmYyyy, MmDdYy, YyMmDd, YyyyMmDd };

/// The layouts' names ("DD.MM.YY", "DDMMYY", ...), indexed by DateTemplate; a dot stands for any one
/// character.
const std::array<std::string_view, 8> &dateTemplateNames();
std::optional<DateTemplate> dateTemplateNamed(std::string_view name);

inline constexpr std::string_view kNoDateColumnMessage = "Cannot find QSO_DATE column.";

/// The eight-digit ADIF date (year, month, day) rearranged from the trimmed cell by character
/// positions; nullopt when the trimmed cell is shorter than the layout. Digits are not checked.
std::optional<std::string> adifDateFrom(std::string_view cell, DateTemplate layout);

/// Rewrites every QSO cell of the column from the layout into the ADIF date; cells too short for the
/// layout stay exactly as they were. One column snapshot is recorded first.
ToolResult convertDateColumn(LogTable &table, UndoJournal &journal, int column, DateTemplate layout);

} // namespace quillog
