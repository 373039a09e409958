// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnMerge.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/UndoSteps.h"

#include <string>

namespace quillog
{

namespace
{

// The selection's columns clamped to the field columns; invalid when nothing selected lies there.
CellRange selectedFieldColumns(const LogTable &table)
{
    CellRange range = table.selection();
    if (!range.isValid())
        return range;
    range.firstColumn = std::max(range.firstColumn, table.fixedColumnCount());
    range.lastColumn = std::min(range.lastColumn, table.columnCount() - 1);
    if (range.firstColumn > range.lastColumn)
        return {};
    return range;
}

void dropLeadingWhitespace(std::string &text)
{
    const std::string_view rest = trimmed(text);
    if (rest.empty())
        text.clear();
    else
        text.erase(0, static_cast<std::size_t>(rest.data() - text.data()));
}

} // namespace

ToolResult splitColumn(LogTable &table, UndoJournal &journal, int column, char separator)
{
    if (!isFieldColumn(table, column))
        return {};
    ToolResult result;
    const int added = table.insertColumn("", column + 1);
    if (added < 0)
        return result;
    recordColumnInserted(journal, added, result);
    recordColumnSnapshot(journal, added, result);
    recordColumnSnapshot(journal, column, result);
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::string text(table.text(row, column));
        const std::size_t at = text.find(separator);
        if (at == std::string::npos)
            continue;
        table.setText(row, added, std::string_view(text).substr(at + 1));
        table.setText(row, column, std::string_view(text).substr(0, at));
        ++result.cellsChanged;
    }
    result.columnsToFit.push_back(added);
    return result;
}

ToolResult combineSelectedColumns(LogTable &table, UndoJournal &journal, int target)
{
    const CellRange range = selectedFieldColumns(table);
    if (!isFieldColumn(table, target) || !range.isValid())
        return {};
    ToolResult result;
    recordColumnSnapshot(journal, target, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        std::string collected;
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            if (column == target || !table.isSelected(row, column))
                continue;
            collected += table.text(row, column);
            collected += ' ';
            dropLeadingWhitespace(collected);
        }
        table.setText(row, target, std::string(table.text(row, target)) + ' ' + collected);
        ++result.cellsChanged;
    }
    result.columnsToFit.push_back(target);
    return result;
}

ToolResult joinSelectedColumns(LogTable &table, UndoJournal &journal)
{
    const CellRange range = selectedFieldColumns(table);
    if (!range.isValid())
        return {};
    const int target = range.firstColumn;
    ToolResult result;
    recordColumnSnapshot(journal, target, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        std::string joined;
        for (int column = range.firstColumn; column <= range.lastColumn; ++column)
            joined += table.text(row, column);
        table.setText(row, target, joined);
        ++result.cellsChanged;
    }
    for (int count = range.lastColumn - range.firstColumn; count > 0; --count) {
        recordColumnDeleted(journal, target + 1, result);
        table.deleteColumn(target + 1);
    }
    result.removedColumns.clear(); // counted in the table as it was before the tool
    for (int column = target + 1; column <= range.lastColumn; ++column)
        result.removedColumns.push_back(column);
    table.clearSelection();
    result.columnsToFit.push_back(target);
    return result;
}

} // namespace quillog
