// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;

/// What the find dialog asks for.
struct FindRequest {
    std::string text;
    bool wholeCell = false; ///< "Match whole word only": the cell's whole text equals the text
    bool matchCase = false;
    bool inColumn = false; ///< only the current column, when there is one
    bool searchUp = false;
    int currentColumn = -1;
};

/// Where Find Next goes on from: the last search text and the row of the last hit (0: before the first
/// QSO row). The window keeps one for the life of the log.
struct FindState {
    std::string lastText;
    int startRow = 0;
};

struct FindHit {
    int row = -1;
    int column = -1;
    bool found() const { return row >= 0; }
};

/// "Cannot find the string:  '<text>'".
std::string notFoundMessage(std::string_view text);

/// True when the cell matches: equal to the text (wholeCell) or containing it, letter case ignored
/// (ASCII letters) unless matchCase.
bool cellMatches(std::string_view cell, std::string_view text, bool wholeCell, bool matchCase);

/// Find Next: searches from the row after (or, upwards, before) the start row, columns left to right,
/// the "#" column included unless the search is in one column. A hit becomes the start row. A new text,
/// or a search down that reached the end before, starts from the top; a search never wraps around.
FindHit findNext(const LogTable &table, FindState &state, const FindRequest &request);

/// The most rows Find All lists.
inline constexpr int kFindAllLimit = 100;

struct FindAllResult {
    std::vector<int> rows; ///< at most kFindAllLimit QSO rows, in table order
    bool more = false; ///< a further row matches beyond the listed ones
};

/// Find All: the QSO rows with a field cell that matches, in order, at most kFindAllLimit of them. The
/// window's Find All leaves wholeCell and inColumn off; searchUp does not apply.
FindAllResult findAll(const LogTable &table, const FindRequest &request);

/// The Search results window's title: "Search results: %d QSO found", "... QSOs found", or "Search
/// results: more than 100 QSOs found" when rows beyond the listed ones match.
std::string searchResultsTitle(const FindAllResult &result);

} // namespace quillog
