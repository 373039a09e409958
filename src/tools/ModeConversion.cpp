// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ModeConversion.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/Replace.h"
#include "tools/UndoSteps.h"

#include <algorithm>

namespace quillog
{

ToolResult convertModeColumn(
    LogTable &table, UndoJournal &journal, int column, const std::string &from, const std::string &to)
{
    if (!isFieldColumn(table, column))
        return ToolResult::warning(std::string(kNoModeColumnMessage));
    ToolResult result;
    recordColumnSnapshot(journal, column, result);
    if (to.empty())
        return result;
    ReplaceRequest request;
    request.find = from;
    request.replacement = to;
    request.wholeCell = true;
    request.scope = ReplaceScope::Column;
    request.currentColumn = column;
    const ToolResult replaced = replaceInTable(table, journal, request);
    result.cellsChanged = replaced.cellsChanged;
    result.undoRecords += replaced.undoRecords;
    return result;
}

std::string firstListedMode(const LogTable &table, int column, const std::vector<std::string> &modes)
{
    for (int row = 1; row < table.rowCount(); ++row) {
        std::string mode = toUpper(trimmed(table.text(row, column)));
        if (!mode.empty() && std::find(modes.begin(), modes.end(), mode) != modes.end())
            return mode;
    }
    return {};
}

} // namespace quillog
