// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

class UndoJournal;
struct ToolResult;

/// Records the whole column (header included) so that one Undo brings it back byte for byte.
void recordColumnSnapshot(UndoJournal &journal, int column, ToolResult &result);
/// Records that the column was just inserted, so that Undo removes it again.
void recordColumnInserted(UndoJournal &journal, int column, ToolResult &result);
/// The same for a column the view should give this width when Redo inserts it again.
void recordColumnInserted(UndoJournal &journal, int column, int width, ToolResult &result);
/// Records the column's cells and width before it is deleted, so that Undo puts it back.
void recordColumnDeleted(UndoJournal &journal, int column, ToolResult &result);
/// Records the column's header before it is renamed.
void recordHeaderChange(UndoJournal &journal, int column, ToolResult &result);
/// Records that the row was just inserted, so that Undo removes it again.
void recordRowInserted(UndoJournal &journal, int row, ToolResult &result);
/// Records the row's cells before it is deleted.
void recordRowDeleted(UndoJournal &journal, int row, ToolResult &result);
/// Records the whole row, "#" included, so that one Undo brings it back.
void recordRowSnapshot(UndoJournal &journal, int row, ToolResult &result);

} // namespace quillog
