// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Find.h"

#include "core/LogTable.h"
#include "core/Text.h"

namespace quillog
{

namespace
{

// The first column of the row, from first to last, whose cell matches; -1 when none does.
int matchInRow(const LogTable &table, int row, int first, int last, const FindRequest &request)
{
    for (int column = first; column <= last; ++column) {
        if (cellMatches(table.text(row, column), request.text, request.wholeCell, request.matchCase))
            return column;
    }
    return -1;
}

} // namespace

std::string notFoundMessage(std::string_view text)
{
    return "Cannot find the string:  '" + std::string(text) + "'";
}

bool cellMatches(std::string_view cell, std::string_view text, bool wholeCell, bool matchCase)
{
    if (wholeCell)
        return matchCase ? cell == text : equalsIgnoreCase(cell, text);
    return matchCase ? cell.find(text) != std::string_view::npos : containsIgnoreCase(cell, text);
}

FindHit findNext(const LogTable &table, FindState &state, const FindRequest &request)
{
    if (request.text != state.lastText)
        state.startRow = 0;
    state.lastText = request.text;
    const bool oneColumn
        = request.inColumn && request.currentColumn >= 0 && request.currentColumn < table.columnCount();
    const int first = oneColumn ? request.currentColumn : 0;
    const int last = oneColumn ? request.currentColumn : table.columnCount() - 1;
    const int lastRow = table.rowCount() - 1;
    if (state.startRow >= lastRow || state.startRow < 0)
        state.startRow = 0;
    const int step = request.searchUp ? -1 : 1;
    const int end = request.searchUp ? 0 : lastRow + 1;
    for (int row = state.startRow + step; row != end && row > 0; row += step) {
        if (const int column = matchInRow(table, row, first, last, request); column >= 0) {
            state.startRow = row;
            return { row, column };
        }
    }
    // A search down that reached the end without a hit makes the next one start from the top.
    if (!request.searchUp)
        state.startRow = lastRow;
    return {};
}

FindAllResult findAll(const LogTable &table, const FindRequest &request)
{
    const bool oneColumn = request.inColumn && request.currentColumn >= table.fixedColumnCount()
        && request.currentColumn < table.columnCount();
    const int first = oneColumn ? request.currentColumn : table.fixedColumnCount();
    const int last = oneColumn ? request.currentColumn : table.columnCount() - 1;
    FindAllResult result;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (matchInRow(table, row, first, last, request) < 0)
            continue;
        if (static_cast<int>(result.rows.size()) == kFindAllLimit) {
            result.more = true;
            break;
        }
        result.rows.push_back(row);
    }
    return result;
}

std::string searchResultsTitle(const FindAllResult &result)
{
    const std::size_t count = result.rows.size();
    if (result.more)
        return "Search results: more than 100 QSOs found";
    return "Search results: " + std::to_string(count) + (count < 2 ? " QSO found" : " QSOs found");
}

} // namespace quillog
