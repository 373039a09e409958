// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

namespace quillog
{

class LogTable;
class UndoJournal;

/// Inserts an empty QSO row directly below the row (the header row included); renumbers "#".
ToolResult insertRowBelow(LogTable &table, UndoJournal &journal, int row);
/// Inserts a copy of the QSO row directly below it; renumbers "#".
ToolResult duplicateRow(LogTable &table, UndoJournal &journal, int row);
/// Deletes the QSO row; renumbers "#". The header row is never deleted.
ToolResult deleteRow(LogTable &table, UndoJournal &journal, int row);
/// Swaps the field cells of the QSO row with those of the row above (up) or below; "#" stays. Nothing
/// happens for the header row, for row 1 upwards and for the last row downwards.
ToolResult moveRow(LogTable &table, UndoJournal &journal, int row, bool up);
/// Deletes, from the bottom up, every QSO row with a selected cell in the selection's columns; "#" is
/// not renumbered.
ToolResult deleteSelectedRows(LogTable &table, UndoJournal &journal);

} // namespace quillog
