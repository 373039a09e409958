// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DuplicateColumn.h"

#include "core/LogTable.h"
#include "tools/UndoSteps.h"

#include <string>

namespace quillog
{

ToolResult duplicateColumn(LogTable &table, UndoJournal &journal, int column)
{
    ToolResult result;
    if (column < table.fixedColumnCount() || column >= table.columnCount())
        return result;
    const int copy = table.insertColumn("", column + 1);
    if (copy < 0)
        return result;
    recordColumnInserted(journal, copy, result);
    recordColumnSnapshot(journal, copy, result);
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::string text(table.text(row, column));
        table.setText(row, copy, text);
    }
    result.cellsChanged = table.rowCount();
    result.columnsToFit.push_back(copy);
    return result;
}

} // namespace quillog
