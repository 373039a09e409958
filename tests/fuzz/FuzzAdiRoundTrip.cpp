// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as an ADI file, saves it without checks and reads the saved file again: every record
// written must come back, each value as it was saved (trimmed; QSO_DATE and FREQ are normalised on
// the way out and not compared).
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdiReader.h"
#include "formats/AdiWriter.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace quillog;

namespace
{

struct WrittenColumn {
    std::string name;
    int column = -1;
};

// The columns a save writes: the first of each trimmed, upper-cased name.
std::vector<WrittenColumn> writtenColumns(const LogTable &table)
{
    std::vector<WrittenColumn> columns;
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        std::string name = toUpper(trimmed(table.text(0, column)));
        const bool taken = std::any_of(
            columns.begin(), columns.end(), [&](const WrittenColumn &c) { return c.name == name; });
        if (!name.empty() && !taken)
            columns.push_back({ std::move(name), column });
    }
    return columns;
}

bool isWritten(const LogTable &table, int row, const std::vector<WrittenColumn> &columns)
{
    return std::any_of(columns.begin(), columns.end(),
        [&](const WrittenColumn &c) { return !trimmed(table.text(row, c.column)).empty(); });
}

void compareRecord(const LogTable &saved, int row, const LogTable &reread, int record,
    const std::vector<WrittenColumn> &columns)
{
    for (const WrittenColumn &c : columns) {
        if (c.name == "QSO_DATE" || c.name == "FREQ")
            continue;
        const std::string_view before = trimmed(saved.text(row, c.column));
        const int column = reread.findColumn(c.name);
        const std::string_view after = column < 0 ? std::string_view {} : reread.text(record, column);
        if (before != after) {
            std::fprintf(stderr, "row %d, %s: \"%.*s\" came back as \"%.*s\"\n", row, c.name.c_str(),
                static_cast<int>(before.size()), before.data(), static_cast<int>(after.size()), after.data());
            fuzz::require(false, "a saved value changed when read again");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    LogTable table;
    RunningFlag progress;
    if (!readAdi(fuzz::bufferOf(data, size), table, {}, progress).ok)
        return 0;

    SaveOptions options;
    options.noChecks = true;
    options.typeIndicator = flags & 1;
    options.lowerCase = flags & 4;
    options.separateQsos = flags & 8;
    const std::string path = fuzz::scratchFile("round-trip.adi");
    const SaveResult saved = writeAdiFile(path, table, options, fuzz::saveDefinitions(), progress);
    fuzz::require(saved.ok, "a save without checks failed");
    LogTable reread;
    const ReadResult result = readAdiFile(path, reread, {}, progress);
    fuzz::require(result.records == saved.written, "the saved file holds another number of records");

    const std::vector<WrittenColumn> columns = writtenColumns(table);
    int record = 0;
    for (int row = 1; row < table.rowCount(); ++row) {
        if (isWritten(table, row, columns))
            compareRecord(table, row, reread, ++record, columns);
    }
    return 0;
}
