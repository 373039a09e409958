// SPDX-License-Identifier: GPL-3.0-or-later
// Treats the input as the ADI text of single records, as the record editor and the clipboard pass them:
// looks fields up in it, appends it to a table twice, and saves the table.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/UndoJournal.h"
#include "formats/AdiReader.h"
#include "tools/RecordInsertion.h"

#include <algorithm>
#include <string_view>

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    const bool ignoreBracket = flags & 0x10;
    const std::string_view record(reinterpret_cast<const char *>(data), size);
    for (const std::string_view name : { "CALL", "qso_date", "", "EOR", "Freq" }) {
        if (const auto value = extractAdiValue(record, name, ignoreBracket))
            fuzz::require(value->size() <= size, "a value longer than its record");
    }

    LogTable table;
    UndoJournal journal(table);
    for (int copy = 0; copy < 2; ++copy) {
        const int rowsBefore = table.rowCount();
        const InsertedRecords appended = appendAdiRecord(table, journal, record, ignoreBracket);
        fuzz::require(appended.rows <= 1, "more than one row was added");
        fuzz::require(appended.rows == 0 || appended.firstRow == table.rowCount() - 1,
            "the record is not the last row");
        fuzz::require(table.rowCount() <= std::max(rowsBefore, 1) + 1, "more than one row was added");
    }
    fuzz::saveBothWays(table, flags);
    return 0;
}
