// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

class LogTable;
class UndoJournal;

/// Moves a field column so that it ends up at index to, as a header drag does: recorded as a column
/// inserted at the new place (with the old width), a snapshot of the new column, the copy of every
/// cell (text, colour, item data) and the deletion of the old place, so three undo steps take it back.
/// Returns the column's new index; -1 (and no change) when either index is not a field column or
/// both are the same.
int moveColumn(LogTable &table, UndoJournal &journal, int from, int to, int width);

} // namespace quillog
