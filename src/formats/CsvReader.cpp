// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CsvReader.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/CsvTokenizer.h"
#include "formats/ImportResult.h"
#include "formats/ReadLimits.h"
#include "formats/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace quillog
{

namespace
{

// What the first pass learns: the records (blank lines left out), the widest one, and whether the
// first names the columns. The second pass fills a table sized from it.
struct CsvShape {
    std::size_t records = 0;
    std::size_t widest = 0;
    bool header = false;
    bool stopped = false;
};

bool isBlankRecord(const std::vector<std::string> &fields)
{
    return fields.size() == 1 && trimmed(fields.front()).empty();
}

// The first record names the columns when one of its fields mentions a QSO field.
bool isHeaderRecord(const std::vector<std::string> &fields)
{
    for (const std::string &field : fields) {
        const std::string name = toLower(field);
        for (const char *word : { "call", "freq", "mode", "rst" }) {
            if (name.find(word) != std::string::npos)
                return true;
        }
    }
    return false;
}

// Both passes report into one bar: the first fills its first half, the second the rest.
CsvShape measure(std::string_view text, char separator, PercentReporter &percent, Progress &progress)
{
    CsvShape shape;
    CsvTokenizer tokenizer(text, separator);
    std::vector<std::string> fields;
    while (tokenizer.next(fields)) {
        if (!isBlankRecord(fields)) {
            if (shape.records == 0)
                shape.header = isHeaderRecord(fields);
            ++shape.records;
            shape.widest = std::max(shape.widest, fields.size());
        }
        percent.report(tokenizer.position(), 2 * text.size());
        if (!progress.isRunning()) {
            shape.stopped = true;
            break;
        }
    }
    return shape;
}

// Fills the rows in file order; returns how many were filled before the operator stopped.
int fill(std::string_view text, char separator, const CsvShape &shape, LogTable &table,
    PercentReporter &percent, Progress &progress)
{
    CsvTokenizer tokenizer(text, separator);
    std::vector<std::string> fields;
    int row = shape.header ? 0 : 1;
    for (std::size_t record = 0; record < shape.records && tokenizer.next(fields);) {
        if (isBlankRecord(fields))
            continue;
        for (std::size_t i = 0; i < fields.size(); ++i)
            table.setText(row, static_cast<int>(i), fields[i]);
        ++row;
        ++record;
        percent.report(text.size() + tokenizer.position(), 2 * text.size());
        if (row > 1 && !progress.isRunning())
            break;
    }
    return row - 1;
}

} // namespace

ReadResult readCsv(std::string_view bytes, LogTable &table, Progress &progress)
{
    const std::string_view text = withoutByteOrderMark(bytes);
    const char separator = detectCsvSeparator(text);
    PercentReporter percent(progress, "Reading file ...");
    const CsvShape shape = measure(text, separator, percent, progress);
    if (shape.stopped)
        return importFailed({}, true);
    const std::size_t rows = shape.records - (shape.header && shape.records > 0 ? 1 : 0);
    constexpr std::size_t intLimit = std::numeric_limits<int>::max();
    if (rows == 0 || rows >= intLimit || shape.widest >= intLimit
        || !tableFitsFile(rows + 1, shape.widest, bytes.size()))
        return importFailed();

    LogTable built;
    if (!built.setColumnCount(static_cast<int>(shape.widest))
        || !built.setRowCount(static_cast<int>(rows) + 1))
        return importFailed();
    const int filled = fill(text, separator, shape, built, percent, progress);
    progress.setLabel("Filling the grid ...");
    return keepImportedRows(
        table, std::move(built), static_cast<int>(rows), filled, filled < static_cast<int>(rows));
}

ReadResult CsvReader::read(LargeBuffer bytes, LogTable &table, const ReadOptions &, Progress &progress) const
{
    return completed(readCsv(std::string_view(bytes.data(), bytes.size()), table, progress));
}

} // namespace quillog
