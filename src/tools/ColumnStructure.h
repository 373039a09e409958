// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class UndoJournal;

/// The width a column inserted by Insert Column gets, in pixels.
inline constexpr int kInsertedColumnWidth = 80;

inline constexpr std::string_view kBadFieldNameMessage
    = "A field name cannot contain blanks or the characters < > : ,\nPlease enter another name.";

/// True when the name can be written as an ADIF field name: no blanks, no "<", ">", ":" or ",". The
/// empty name (an unused column) is allowed.
bool isWritableFieldName(std::string_view name);

/// Inserts an empty column headed by name directly to the right of the column ("#" included).
ToolResult insertColumnAfter(LogTable &table, UndoJournal &journal, int column, std::string_view name = {});
ToolResult deleteColumn(LogTable &table, UndoJournal &journal, int column);
/// Gives the column a new header; a name that cannot be written is refused with a warning.
ToolResult renameColumn(LogTable &table, UndoJournal &journal, int column, std::string_view name);
/// Deletes, from right to left, every field column with a selected cell in the selection's rows.
ToolResult deleteSelectedColumns(LogTable &table, UndoJournal &journal);

} // namespace quillog
