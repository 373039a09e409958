// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SaveOptions.h"

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class UndoJournal;

/// What Copy puts on the clipboard.
struct ClipboardCopy {
    std::string text;
    /// True when the text is ADIF records of whole rows; the clipboard then carries our own mark.
    bool isAdif = false;
};

/// Copy: whole selected rows as ADIF records, any other selection as tab-separated cell text.
ClipboardCopy copySelection(const LogTable &table, const SaveOptions &options, const TypeMap &typeMap);

/// The selected cells of the selection's rectangle as tab-separated lines; unselected cells are empty.
std::string selectedCellsText(const LogTable &table);

/// Copy Selected as ADIF / as CSV: the rows of the selection that hold a selected cell.
std::string copySelectedRowsAsAdif(const LogTable &table, const SaveOptions &options, const TypeMap &typeMap);
std::string copySelectedRowsAsCsv(const LogTable &table, char separator);

struct PasteResult {
    int rowsInserted = 0;
    int columnsAdded = 0;
    int cellsChanged = 0;
    /// A warning to show; nothing was changed when it is set.
    std::string warning;
};

inline constexpr int pasteRecordLimit = 100;
inline constexpr const char *pasteLimitWarning
    = "If you want to add more than 100 QSOs, please use Open or Merge features.";

/// Paste: ADIF records (when the clipboard holds our own ADIF copy or the text looks like ADIF) become
/// rows above the selection's first row, with new columns for unknown fields; other text goes into the
/// cells from the selection's top-left cell. Every change is recorded in the journal first.
PasteResult pasteText(
    LogTable &table, UndoJournal &journal, std::string_view text, bool markedAsAdif, bool ignoreBracket);

} // namespace quillog
