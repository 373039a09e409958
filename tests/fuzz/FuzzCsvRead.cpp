// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as CSV, writes the table as CSV and reads that again: a log with a header line and
// more than one column must come back cell for cell. Then saves the table as ADI.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/CsvReader.h"
#include "formats/CsvWriter.h"

#include <fstream>
#include <iterator>
#include <string_view>

using namespace quillog;

namespace
{

bool comesBackWhole(const LogTable &table)
{
    if (table.columnCount() < 2)
        return false; // a one-column row of blanks is a blank line, which the reader skips
    for (int column = 0; column < table.columnCount(); ++column) {
        const std::string name = toLower(table.text(0, column));
        for (const char *word : { "call", "freq", "mode", "rst" }) {
            if (name.find(word) != std::string::npos)
                return true;
        }
    }
    return false;
}

void requireRoundTrip(const LogTable &table, unsigned char flags)
{
    RunningFlag progress;
    const std::string path = fuzz::scratchFile("round-trip.csv");
    const CsvWriteOptions options { (flags & 0x40) != 0 ? ',' : ';', (flags & 0x20) != 0 };
    fuzz::require(writeCsvFile(path, table, options, progress).ok, "the CSV save failed");
    LogTable again;
    std::ifstream in(path, std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fuzz::require(readCsv(written, again, progress).ok, "the saved CSV cannot be read");
    fuzz::require(again.rowCount() == table.rowCount() && again.columnCount() == table.columnCount(),
        "the saved CSV has another shape");
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            fuzz::require(again.text(row, column) == table.text(row, column), "a cell changed in the CSV");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    LogTable table = fuzz::oldTable();
    RunningFlag progress;
    const ReadResult result
        = readCsv(std::string_view(reinterpret_cast<const char *>(data), size), table, progress);
    fuzz::requireImportOutcome(result, table, flags);
    if (result.ok && comesBackWhole(table))
        requireRoundTrip(table, flags);
    return 0;
}
