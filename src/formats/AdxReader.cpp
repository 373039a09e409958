// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxReader.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdxScanner.h"
#include "formats/AdxText.h"
#include "formats/FieldColumns.h"
#include "formats/ReadLimits.h"
#include "formats/RecordStretches.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace quillog
{

namespace
{

// The column of a field: an element by its name as written, which spares building it; user-defined
// and application fields by their full name.
int columnOf(FieldColumns &columns, const AdxField &field, std::size_t ordinal)
{
    if (field.kind == AdxField::Kind::Element)
        return columns.find(field.element, ordinal);
    return columns.find(adxFieldName(field), ordinal);
}

// First pass: the records and the field names (user-defined and application fields by their full name).
CollectedNames collectNames(std::string_view text, const ReadOptions &options, FieldColumns &columns,
    Progress &progress, std::vector<RecordStretch> &stretches)
{
    const std::vector<std::size_t> starts
        = stretchStarts(text, stretchCount(text.size(), options.readerThreads), adxRecordBoundaryAfter);
    return collectFieldNamesInStretches<AdxScanner, AdxField>(
        text, starts, columns, 0, progress, columnOf,
        [](const AdxField &field) { return adxFieldName(field); }, stretches);
}

// A value with references decoded is a copy, which only the table may store: the threads leave it
// here, and the table takes it once they are done.
struct DecodedValue {
    int row = 0;
    int column = 0;
    std::string text;
};

// Second pass over one stretch: fills rows firstRow onwards, one per record; the first of two equal
// fields counts. Returns the number of records whose values reached the table.
int fillStretch(std::string_view text, const RecordStretch &stretch, LogTable &table, FieldColumns columns,
    int firstRow, Progress &progress, std::vector<DecodedValue> &decoded)
{
    PercentReporter percent(progress, "Reading file ...");
    percent.report(0, stretch.end);
    std::vector<int> filledInRow(columns.size(), -1);
    AdxScanner scanner(text, stretch.start);
    int read = 0;
    walkRecords<AdxScanner, AdxField>(
        scanner, stretch.end, progress, percent,
        [&](const AdxField &field, std::size_t ordinal) {
            const int column = columnOf(columns, field, ordinal);
            if (column < 0)
                return false; // a nameless field
            const int row = firstRow + read;
            int &filled = filledInRow[static_cast<std::size_t>(column)];
            if (filled != row) { // the first of two equal fields counts
                filled = row;
                if (needsXmlDecoding(field.value))
                    decoded.push_back({ row, column, decodeXmlText(field.value) });
                else
                    table.setTextView(row, column, field.value);
            }
            return true;
        },
        [&] { return ++read < stretch.records; },
        [&](std::size_t position) { return position < stretch.end; });
    return read;
}

// Second pass: fills rows 1 onwards, the stretches at once. Returns the number of records whose values
// reached the table: after a stop, those up to the first stretch that stopped short.
int fillRows(std::string_view text, const std::vector<RecordStretch> &stretches, LogTable &table,
    const FieldColumns &columns, Progress &progress)
{
    std::vector<int> read(stretches.size(), 0);
    std::vector<std::vector<DecodedValue>> decoded(stretches.size());
    const std::size_t held = fillStretches(
        stretches, 1, progress, [&](std::size_t index, int firstRow, Progress &own) {
            read[index] = fillStretch(text, stretches[index], table, columns, firstRow, own, decoded[index]);
            return read[index];
        });
    int records = 0;
    for (std::size_t index = 0; index < held; ++index) {
        records += read[index];
        for (DecodedValue &value : decoded[index])
            table.setText(value.row, value.column, value.text);
    }
    return records;
}

ReadResult failure(std::string detail, bool stopped = false)
{
    ReadResult result;
    result.detail = std::move(detail);
    result.stopped = stopped;
    return result;
}

// A log whose table would not fit: said in the words of every command, not as "no entries".
ReadResult outOfMemory()
{
    ReadResult result;
    result.message = notEnoughMemoryMessage;
    return result;
}

} // namespace

ReadResult readAdx(LargeBuffer bytes, LogTable &table, Progress &progress, const ReadOptions &options)
{
    const std::string_view text(bytes.data(), bytes.size());
    FieldColumns columns;
    std::vector<RecordStretch> stretches;
    const CollectedNames collected = collectNames(text, options, columns, progress, stretches);
    if (collected.stopped || collected.records == 0)
        return failure({}, collected.stopped);

    if (!tableFitsFile(
            static_cast<std::uint64_t>(collected.records) + 1, collected.newNames.size(), bytes.size()))
        return outOfMemory();
    const int fields = static_cast<int>(collected.newNames.size());
    LogTable filled;
    // Room for the row-number column the editor puts in front.
    if (!filled.reserveColumns(fields + 1) || !filled.setColumnCount(fields)
        || !filled.setRowCount(collected.records + 1))
        return outOfMemory();
    filled.setFixedRowCount(1);
    filled.setFixedColumnCount(0);
    for (int column = 0; column < fields; ++column)
        filled.setText(0, column, collected.newNames[static_cast<std::size_t>(column)]);
    filled.adoptBuffer(std::move(bytes));

    ReadResult result;
    result.records = collected.records;
    result.recordsRead = fillRows(text, stretches, filled, columns, progress);
    // The rows of records a stop kept from being read are not QSOs.
    filled.setRowCount(result.recordsRead + 1);
    progress.setLabel("Filling the grid ...");
    result.ok = true;
    result.stopped = result.recordsRead < result.records;
    table = std::move(filled);
    return result;
}

std::string_view AdxReader::failureText() const
{
    return "No valid entries found.";
}

ReadResult AdxReader::read(
    LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const
{
    return completed(readAdx(std::move(bytes), table, progress, options));
}

ReadResult readAdxFile(const std::string &path, LogTable &table, Progress &progress)
{
    return AdxReader().readFile(path, false, table, {}, progress);
}

} // namespace quillog
