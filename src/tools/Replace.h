// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogTable.h"
#include "tools/ToolResult.h"

#include <string>

namespace quillog
{

class UndoJournal;

/// Which cells a replace looks at.
enum class ReplaceScope {
    Selection, ///< the rectangle of the selection (a single clicked cell included)
    Column, ///< the current column, every QSO row
    WholeTable, ///< every QSO row of every field column
};

/// One replace: the texts, the switches of the dialog and where it applies.
struct ReplaceRequest {
    std::string find;
    std::string replacement;
    bool matchCase = false;
    bool wholeCell = false; ///< the cell's whole text must equal the find text
    bool anyText = false; ///< every cell of the range becomes the replacement, whatever it holds
    ReplaceScope scope = ReplaceScope::WholeTable;
    int currentColumn = -1; ///< the clicked column: the Column scope's column
    CellRange selection; ///< the Selection scope's rectangle
};

/// The cell after a replace: the whole cell when it equals the find text (wholeCell), else the first
/// occurrence of the find text replaced, the rest of the cell kept byte for byte; nullopt when the cell
/// does not match. Letter case is ignored (ASCII letters) unless matchCase. An empty find text matches
/// only an empty cell, and only with wholeCell.
std::optional<std::string> replacedText(std::string_view cell, const ReplaceRequest &request);

/// Replaces in the request's range, column by column from the left, row by row from the top. Unless
/// the whole table is searched, the current column is recorded first; every column is recorded again
/// before its first change.
ToolResult replaceInTable(LogTable &table, UndoJournal &journal, const ReplaceRequest &request);

} // namespace quillog
