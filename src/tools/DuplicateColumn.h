// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

namespace quillog
{

class LogTable;
class UndoJournal;

/// Inserts a copy of the column, header included, directly to its right. Undo removes the copy again.
ToolResult duplicateColumn(LogTable &table, UndoJournal &journal, int column);

} // namespace quillog
