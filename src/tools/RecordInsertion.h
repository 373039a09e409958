// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class UndoJournal;

struct InsertedRecords {
    int firstRow = -1;
    int rows = 0;
    std::vector<int> newColumns; ///< columns added at the right, in order
};

/// Inserts the records of ADI text as rows from atRow on (-1: below the last row), keeping their order;
/// fields without a column get new columns at the right. Each change is recorded in the journal first:
/// a new column as ColumnInserted and HeaderChange, a new row as RowInserted and RowSnapshot.
InsertedRecords insertAdiRecords(
    LogTable &table, UndoJournal &journal, std::string_view text, int atRow, bool ignoreBracket);

/// How many records ADI text holds (records are found as the ADI reader finds them).
int countAdiRecords(std::string_view text);

/// Adds one record given as ADI text as a new last row, as a QSO typed by hand. A fresh grid (rows without
/// any text) is emptied first, and the "#" column is made when missing; the rows are numbered afterwards.
InsertedRecords appendAdiRecord(
    LogTable &table, UndoJournal &journal, std::string_view record, bool ignoreBracket);

} // namespace quillog
