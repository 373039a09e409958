// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Replace.h"

#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/UndoSteps.h"

#include <algorithm>

namespace quillog
{

namespace
{

// The cells the request covers, clipped to the QSO rows and field columns.
CellRange rangeOf(const LogTable &table, const ReplaceRequest &request)
{
    CellRange range;
    switch (request.scope) {
    case ReplaceScope::Selection:
        range = request.selection;
        break;
    case ReplaceScope::Column:
        range = { 1, request.currentColumn, table.rowCount() - 1, request.currentColumn };
        break;
    case ReplaceScope::WholeTable:
        range = { 1, table.fixedColumnCount(), table.rowCount() - 1, table.columnCount() - 1 };
        break;
    }
    range.firstRow = std::max(range.firstRow, 1);
    range.lastRow = std::min(range.lastRow, table.rowCount() - 1);
    range.firstColumn = std::max(range.firstColumn, table.fixedColumnCount());
    range.lastColumn = std::min(range.lastColumn, table.columnCount() - 1);
    return range;
}

std::size_t findIn(std::string_view cell, std::string_view find, bool matchCase)
{
    return matchCase ? cell.find(find) : findIgnoreCase(cell, find);
}

// Replaces in one column of the range; the column is recorded before its first change.
void replaceInColumn(LogTable &table, UndoJournal &journal, const ReplaceRequest &request, int column,
    const CellRange &range, ToolResult &result)
{
    bool recorded = false;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        const auto replaced = request.anyText ? std::optional(request.replacement)
                                              : replacedText(table.text(row, column), request);
        if (!replaced)
            continue;
        if (!recorded) {
            recordColumnSnapshot(journal, column, result);
            recorded = true;
        }
        table.setText(row, column, *replaced);
        ++result.cellsChanged;
    }
}

} // namespace

std::optional<std::string> replacedText(std::string_view cell, const ReplaceRequest &request)
{
    if (request.wholeCell) {
        const bool equal = request.matchCase ? cell == request.find : equalsIgnoreCase(cell, request.find);
        return equal ? std::optional(request.replacement) : std::nullopt;
    }
    if (request.find.empty())
        return std::nullopt;
    const std::size_t at = findIn(cell, request.find, request.matchCase);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::string text(cell.substr(0, at));
    text += request.replacement;
    text += cell.substr(at + request.find.size());
    return text;
}

ToolResult replaceInTable(LogTable &table, UndoJournal &journal, const ReplaceRequest &request)
{
    ToolResult result;
    if (request.scope != ReplaceScope::WholeTable && isFieldColumn(table, request.currentColumn))
        recordColumnSnapshot(journal, request.currentColumn, result);
    const CellRange range = rangeOf(table, request);
    if (!range.isValid())
        return result;
    for (int column = range.firstColumn; column <= range.lastColumn; ++column)
        replaceInColumn(table, journal, request, column, range, result);
    return result;
}

} // namespace quillog
