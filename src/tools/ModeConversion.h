// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class UndoJournal;

inline constexpr std::string_view kNoModeColumnMessage = "Cannot find MODE column.";

/// Convert Mode: every QSO cell of the column whose whole text equals `from`, letter case ignored,
/// becomes `to`. The column is recorded first even when `to` is empty, which changes nothing else.
ToolResult convertModeColumn(
    LogTable &table, UndoJournal &journal, int column, const std::string &from, const std::string &to);

/// The first QSO cell of the column that, trimmed and upper-cased, is a mode of the list: the text the
/// Convert Mode dialog starts with after a column was named MODE. Empty when no cell is.
std::string firstListedMode(const LogTable &table, int column, const std::vector<std::string> &modes);

} // namespace quillog
