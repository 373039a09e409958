// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Clipboard.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "core/UndoJournal.h"
#include "formats/RecordText.h"
#include "tools/RecordInsertion.h"

#include <algorithm>
#include <vector>

namespace quillog
{

namespace
{

bool wholeRowsSelected(const LogTable &table, const CellRange &range)
{
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = std::max(table.fixedColumnCount(), 1); column < table.columnCount(); ++column) {
            if (!table.isSelected(row, column))
                return false;
        }
    }
    return true;
}

PasteResult pasteRecords(LogTable &table, UndoJournal &journal, std::string_view text, bool ignoreBracket)
{
    PasteResult result;
    // Refused before anything changes, so a refused paste leaves no new columns behind.
    if (countAdiRecords(text) > pasteRecordLimit) {
        result.warning = pasteLimitWarning;
        return result;
    }
    const CellRange selection = table.selection();
    const InsertedRecords inserted = insertAdiRecords(
        table, journal, text, selection.isValid() ? selection.firstRow : -1, ignoreBracket);
    result.rowsInserted = inserted.rows;
    result.columnsAdded = static_cast<int>(inserted.newColumns.size());
    return result;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    for (std::string_view &line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
    }
    return lines;
}

PasteResult pasteCells(LogTable &table, UndoJournal &journal, std::string_view text)
{
    PasteResult result;
    const CellRange selection = table.selection();
    if (!selection.isValid())
        return result;
    const std::vector<std::string_view> lines = splitLines(text);
    const int firstRow = std::max(selection.firstRow, 1);
    const int firstColumn = std::max(selection.firstColumn, table.fixedColumnCount());
    for (int i = 0; i < static_cast<int>(lines.size()) && firstRow + i < table.rowCount(); ++i)
        journal.addRecord({ UndoKind::RowSnapshot, firstRow + i, -1, -1, {}, {}, {} });
    for (int i = 0; i < static_cast<int>(lines.size()) && firstRow + i < table.rowCount(); ++i) {
        int column = firstColumn;
        std::string_view line = lines[static_cast<std::size_t>(i)];
        for (std::size_t tab = 0; tab != std::string_view::npos && column < table.columnCount(); ++column) {
            tab = line.find('\t');
            table.setText(firstRow + i, column, line.substr(0, tab));
            ++result.cellsChanged;
            line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
        }
    }
    return result;
}

} // namespace

std::string selectedCellsText(const LogTable &table)
{
    const CellRange range = table.selection();
    std::string text;
    if (!range.isValid())
        return text;
    for (int row = range.firstRow; row <= range.lastRow; ++row) {
        for (int column = range.firstColumn; column <= range.lastColumn; ++column) {
            if (column > range.firstColumn)
                text += '\t';
            if (table.isSelected(row, column))
                text += table.text(row, column);
        }
        text += "\r\n";
    }
    return text;
}

ClipboardCopy copySelection(const LogTable &table, const SaveOptions &options, const TypeMap &typeMap)
{
    const CellRange range = table.selection();
    if (range.isValid() && range.firstRow >= 1 && wholeRowsSelected(table, range))
        return { adiRecordText(table, range.firstRow, range.lastRow, options, typeMap), true };
    return { selectedCellsText(table), false };
}

std::string copySelectedRowsAsAdif(const LogTable &table, const SaveOptions &options, const TypeMap &typeMap)
{
    const CellRange range = table.selection();
    return range.isValid() ? adiRecordText(table, range.firstRow, range.lastRow, options, typeMap)
                           : std::string();
}

std::string copySelectedRowsAsCsv(const LogTable &table, char separator)
{
    const CellRange range = table.selection();
    return range.isValid() ? csvRecordText(table, range.firstRow, range.lastRow, separator) : std::string();
}

PasteResult pasteText(
    LogTable &table, UndoJournal &journal, std::string_view text, bool markedAsAdif, bool ignoreBracket)
{
    if (text.empty())
        return {};
    if (markedAsAdif || containsIgnoreCase(text, "<qso"))
        return pasteRecords(table, journal, text, ignoreBracket);
    return pasteCells(table, journal, text);
}

} // namespace quillog
