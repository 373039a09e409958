// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RowStructure.h"

#include "core/LogTable.h"
#include "tools/SelectionDeletion.h"
#include "tools/UndoSteps.h"

#include <algorithm>
#include <string>

namespace quillog
{

namespace
{

bool isQsoRow(const LogTable &table, int row)
{
    return row >= 1 && row < table.rowCount();
}

// Inserts an empty row below the row, recorded; -1 when the row is outside the table.
int insertBelow(LogTable &table, UndoJournal &journal, int row, ToolResult &result)
{
    if (row < 0 || row >= table.rowCount())
        return -1;
    const int below = row + 1;
    const int added = table.insertRow("", below >= table.rowCount() ? -1 : below);
    if (added < 0)
        return -1;
    recordRowInserted(journal, added, result);
    return added;
}

} // namespace

ToolResult insertRowBelow(LogTable &table, UndoJournal &journal, int row)
{
    ToolResult result;
    if (insertBelow(table, journal, row, result) >= 0)
        table.numberRows();
    return result;
}

ToolResult duplicateRow(LogTable &table, UndoJournal &journal, int row)
{
    ToolResult result;
    if (!isQsoRow(table, row))
        return result;
    const int copy = insertBelow(table, journal, row, result);
    if (copy < 0)
        return result;
    recordRowSnapshot(journal, copy, result);
    for (int column = 0; column < table.columnCount(); ++column) {
        const std::string text(table.text(row, column));
        table.setText(copy, column, text);
    }
    table.numberRows();
    return result;
}

ToolResult deleteRow(LogTable &table, UndoJournal &journal, int row)
{
    ToolResult result;
    if (!isQsoRow(table, row))
        return result;
    recordRowDeleted(journal, row, result);
    table.deleteRow(row);
    table.numberRows();
    return result;
}

ToolResult moveRow(LogTable &table, UndoJournal &journal, int row, bool up)
{
    ToolResult result;
    const int other = up ? row - 1 : row + 1;
    if (!isQsoRow(table, row) || !isQsoRow(table, other))
        return result;
    recordRowSnapshot(journal, row, result);
    recordRowSnapshot(journal, other, result);
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        const std::string mine(table.text(row, column));
        const std::string theirs(table.text(other, column));
        table.setText(row, column, theirs);
        table.setText(other, column, mine);
    }
    result.cellsChanged = 2 * std::max(0, table.columnCount() - table.fixedColumnCount());
    table.clearSelection();
    return result;
}

ToolResult deleteSelectedRows(LogTable &table, UndoJournal &journal)
{
    ToolResult result;
    const CellRange range = table.selection();
    if (!range.isValid())
        return result;
    deleteSelectedLines(
        table, std::max(range.firstRow, 1), std::min(range.lastRow, table.rowCount() - 1),
        [&](int row) { return table.rowHasSelectedCell(row, range.firstColumn, range.lastColumn); },
        [&](int row) {
            recordRowDeleted(journal, row, result);
            table.deleteRow(row);
        });
    return result;
}

} // namespace quillog
