// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

namespace quillog
{

class LogTable;
class UndoJournal;

/// Splits every cell of the column, header included, at the first separator: the text after it goes
/// into a new column inserted to the right, the text before it stays. Cells without the separator stay
/// and leave the new cell empty.
ToolResult splitColumn(LogTable &table, UndoJournal &journal, int column, char separator);

/// Appends to each QSO cell of the target column a blank and the selected cells of that row from the
/// selection's columns (each followed by a blank, leading whitespace dropped as it goes).
ToolResult combineSelectedColumns(LogTable &table, UndoJournal &journal, int target);

/// Puts into the first column of the selection each row's cells of all the selection's columns, run
/// together, then deletes the other columns of the selection one by one.
ToolResult joinSelectedColumns(LogTable &table, UndoJournal &journal);

} // namespace quillog
