// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnText.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnLookup.h"
#include "tools/UndoSteps.h"

#include <cstdio>

namespace quillog
{

namespace
{

// Records one snapshot of the column, then gives every QSO cell the text newText makes of it (row and
// old text in); counts the cells whose text changed.
template <typename NewText>
ToolResult rewriteColumn(LogTable &table, UndoJournal &journal, int column, NewText newText)
{
    if (!isFieldColumn(table, column))
        return {};
    ToolResult result;
    recordColumnSnapshot(journal, column, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string_view old = table.text(row, column);
        std::string text = newText(row, old);
        if (text != old) {
            table.setText(row, column, text);
            ++result.cellsChanged;
        }
    }
    return result;
}

// The text without its leading whitespace (blanks as trimmed() sees them).
std::string_view trimmedLeft(std::string_view text)
{
    const std::string_view inner = trimmed(text);
    return inner.empty() ? inner : text.substr(static_cast<std::size_t>(inner.data() - text.data()));
}

} // namespace

ToolResult trimColumn(LogTable &table, UndoJournal &journal, int column)
{
    return rewriteColumn(
        table, journal, column, [](int, std::string_view old) { return std::string(trimmed(old)); });
}

ToolResult removeLeftCharacter(LogTable &table, UndoJournal &journal, int column)
{
    return rewriteColumn(table, journal, column, [](int, std::string_view old) {
        const std::string_view text = trimmedLeft(old);
        return std::string(text.empty() ? text : text.substr(1));
    });
}

ToolResult removeRightCharacter(LogTable &table, UndoJournal &journal, int column)
{
    return rewriteColumn(table, journal, column, [](int, std::string_view old) {
        const std::string_view text = trimmedRight(old);
        return std::string(text.empty() ? text : text.substr(0, text.size() - 1));
    });
}

ToolResult addSerialNumbers(LogTable &table, UndoJournal &journal, int column)
{
    return rewriteColumn(table, journal, column, [](int row, std::string_view) {
        char number[16];
        std::snprintf(number, sizeof number, "%.3d", row);
        return std::string(number);
    });
}

ToolResult fillColumn(LogTable &table, UndoJournal &journal, const FillRequest &request)
{
    return rewriteColumn(table, journal, request.column, [&](int, std::string_view old) {
        if (request.emptyOnly && !trimmedRight(old).empty())
            return std::string(old);
        return request.text;
    });
}

ToolResult changeCallCase(LogTable &table, UndoJournal &journal, bool upper)
{
    const int column = lastColumnNamed(table, "CALL");
    if (column < 0)
        return ToolResult::warning(std::string(kNoCallColumnMessage));
    return rewriteColumn(table, journal, column,
        [upper](int, std::string_view old) { return upper ? toUpper(old) : toLower(old); });
}

} // namespace quillog
