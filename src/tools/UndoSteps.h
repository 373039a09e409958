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

} // namespace quillog
