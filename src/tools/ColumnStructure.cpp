// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnStructure.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/SelectionDeletion.h"
#include "tools/UndoSteps.h"

#include <algorithm>

namespace quillog
{

bool isWritableFieldName(std::string_view name)
{
    return std::none_of(name.begin(), name.end(),
        [](char c) { return isBlank(c) || c == '<' || c == '>' || c == ':' || c == ','; });
}

ToolResult insertColumnAfter(LogTable &table, UndoJournal &journal, int column, std::string_view name)
{
    ToolResult result;
    if (column < 0 || column >= table.columnCount())
        return result;
    const int added = table.insertColumn("", column + 1);
    if (added < 0)
        return result;
    recordColumnInserted(journal, added, kInsertedColumnWidth, result);
    if (!name.empty()) {
        recordHeaderChange(journal, added, result);
        table.setText(0, added, name);
    }
    return result;
}

ToolResult deleteColumn(LogTable &table, UndoJournal &journal, int column)
{
    ToolResult result;
    if (!isFieldColumn(table, column))
        return result;
    recordColumnDeleted(journal, column, result);
    table.deleteColumn(column);
    return result;
}

ToolResult renameColumn(LogTable &table, UndoJournal &journal, int column, std::string_view name)
{
    if (!isWritableFieldName(name))
        return ToolResult::warning(std::string(kBadFieldNameMessage));
    ToolResult result;
    if (!isFieldColumn(table, column))
        return result;
    recordHeaderChange(journal, column, result);
    table.setText(0, column, name);
    result.cellsChanged = 1;
    return result;
}

ToolResult deleteSelectedColumns(LogTable &table, UndoJournal &journal)
{
    ToolResult result;
    const CellRange range = table.selection();
    if (!range.isValid())
        return result;
    deleteSelectedLines(
        table, std::max(range.firstColumn, table.fixedColumnCount()),
        std::min(range.lastColumn, table.columnCount() - 1),
        [&](int column) {
            for (int row = range.firstRow; row <= range.lastRow; ++row) {
                if (table.isSelected(row, column))
                    return true;
            }
            return false;
        },
        [&](int column) {
            recordColumnDeleted(journal, column, result);
            table.deleteColumn(column);
        });
    return result;
}

} // namespace quillog
