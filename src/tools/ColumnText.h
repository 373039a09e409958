// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class UndoJournal;

inline constexpr std::string_view kNoCallColumnMessage = "Cannot find CALL column.";

/// Each QSO cell of the column without its leading and trailing whitespace; inner blanks stay.
ToolResult trimColumn(LogTable &table, UndoJournal &journal, int column);
/// Each QSO cell without its leading whitespace and then its first remaining character.
ToolResult removeLeftCharacter(LogTable &table, UndoJournal &journal, int column);
/// Each QSO cell without its trailing whitespace and then its last remaining character.
ToolResult removeRightCharacter(LogTable &table, UndoJournal &journal, int column);
/// Every QSO cell gets its row number, at least three digits wide (001, 042, 1000).
ToolResult addSerialNumbers(LogTable &table, UndoJournal &journal, int column);

struct FillRequest {
    int column = -1;
    std::string text;
    /// Leave cells alone that hold text other than trailing whitespace.
    bool emptyOnly = false;
};
ToolResult fillColumn(LogTable &table, UndoJournal &journal, const FillRequest &request);

/// Make CALL Uppercase / Lowercase on the last column headed CALL.
ToolResult changeCallCase(LogTable &table, UndoJournal &journal, bool upper);

} // namespace quillog
