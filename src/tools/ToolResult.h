// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageKind.h"

#include <string>
#include <utility>
#include <vector>

namespace quillog
{

/// What a column or cell tool changed, so the view refreshes exactly that, and the message the command
/// shows afterwards. A tool records its undo steps before it changes anything; a result with a warning
/// and no change means the tool stopped before touching the table.
struct ToolResult {
    /// Cells whose text the tool rewrote (in place, no change of shape).
    int cellsChanged = 0;
    /// Columns the tool inserted, as indices in the table after the tool ran.
    std::vector<int> insertedColumns;
    /// Columns the tool removed, as indices in the table before the tool ran.
    std::vector<int> removedColumns;
    /// True when rows were inserted, removed or put in another order.
    bool rowsChanged = false;
    /// Columns whose width should follow their contents afterwards.
    std::vector<int> columnsToFit;
    /// Undo records the tool added to the journal.
    int undoRecords = 0;
    /// A message box to show afterwards; empty for none.
    std::string message;
    BoxKind messageKind = BoxKind::Information;

    bool shapeChanged() const { return !insertedColumns.empty() || !removedColumns.empty() || rowsChanged; }
    bool changedAnything() const { return cellsChanged > 0 || shapeChanged(); }

    static ToolResult warning(std::string text)
    {
        ToolResult result;
        result.message = std::move(text);
        result.messageKind = BoxKind::Warning;
        return result;
    }
};

} // namespace quillog
