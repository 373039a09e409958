// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiReader.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdiScanner.h"
#include "formats/FieldColumns.h"
#include "formats/ReadLimits.h"
#include "formats/RecordStretches.h"

#include <utility>

namespace quillog
{

namespace
{

// Where the stretches read at once may begin; a filter decides on rows as they are filled, one by one.
std::vector<std::size_t> adiStretchStarts(std::string_view text, const ReadOptions &options)
{
    const std::size_t count = options.keepRecord ? 1 : stretchCount(text.size(), options.readerThreads);
    return stretchStarts(text, count, adiRecordBoundaryAfter);
}

// First pass: the records and the field names not yet known, upper-cased.
CollectedNames collectNames(std::string_view text, const std::vector<std::size_t> &starts,
    FieldColumns &columns, int firstNewColumn, Progress &progress, std::vector<RecordStretch> &stretches)
{
    return collectFieldNamesInStretches<AdiScanner, AdiField>(
        text, starts, columns, firstNewColumn, progress,
        [](FieldColumns &own, const AdiField &field, std::size_t ordinal) {
            return own.find(field.name, ordinal);
        },
        [](const AdiField &field) { return toUpper(field.name); }, stretches);
}

std::string withoutBrackets(std::string_view value)
{
    std::string result;
    result.reserve(value.size());
    for (const char c : value) {
        if (c != '<' && c != '>')
            result.push_back(c);
    }
    return result;
}

// A value with brackets removed is a copy, which only the table may store: a stretch read beside
// others leaves it in copies, for the table to take once the threads are done.
struct CopiedValue {
    int row = 0;
    int column = 0;
    std::string text;
};

struct Filled {
    int records = 0; // records whose values reached the table
    int kept = 0; // of those, the records the filter kept
    int characterLengthRecoveries = 0;
    std::vector<CopiedValue> copies;
};

void clearRow(LogTable &table, int row)
{
    for (int column = 0; column < table.columnCount(); ++column)
        table.setTextView(row, column, {});
}

// Second pass over one stretch: fills rows firstRow onwards, one per record; the first of two equal
// fields counts. A record the options' filter turns down gives its row to the next record.
Filled fillStretch(std::string_view text, const RecordStretch &stretch, LogTable &table, FieldColumns columns,
    int firstRow, const ReadOptions &options, bool alone, Progress &progress)
{
    PercentReporter percent(progress, "Reading file ...");
    percent.report(0, stretch.end);
    std::vector<int> filledInRecord(static_cast<std::size_t>(table.columnCount()), -1);
    AdiScanner scanner(text, stretch.start);
    Filled filled;
    walkRecords<AdiScanner, AdiField>(
        scanner, stretch.end, progress, percent,
        [&](const AdiField &field, std::size_t ordinal) {
            const int column = columns.find(field.name, ordinal);
            int &filledBy = filledInRecord[static_cast<std::size_t>(column)];
            if (filledBy == filled.records)
                return true; // the first of two equal fields counts
            filledBy = filled.records;
            const int row = firstRow + filled.kept;
            if (!options.ignoreBracket || field.value.find_first_of("<>") == std::string_view::npos)
                table.setTextView(row, column, field.value);
            else if (alone)
                table.setText(row, column, withoutBrackets(field.value));
            else
                filled.copies.push_back({ row, column, withoutBrackets(field.value) });
            return true;
        },
        [&] {
            const int row = firstRow + filled.kept;
            if (!options.keepRecord || options.keepRecord(table, row))
                ++filled.kept;
            else
                clearRow(table, row);
            return ++filled.records < stretch.records;
        },
        [&](std::size_t position) { return position < stretch.end; });
    filled.characterLengthRecoveries = scanner.characterLengthRecoveries();
    return filled;
}

// Second pass: fills rows firstRow onwards, the stretches at once. After a stop, what was read up to
// the first stretch that stopped short.
Filled fillRows(std::string_view text, const std::vector<RecordStretch> &stretches, LogTable &table,
    const FieldColumns &columns, int firstRow, const ReadOptions &options, Progress &progress)
{
    std::vector<Filled> parts(stretches.size());
    const bool alone = stretches.size() == 1;
    const std::size_t held
        = fillStretches(stretches, firstRow, progress, [&](std::size_t index, int stretchRow, Progress &own) {
              parts[index]
                  = fillStretch(text, stretches[index], table, columns, stretchRow, options, alone, own);
              return parts[index].records;
          });
    Filled filled;
    for (std::size_t index = 0; index < held; ++index) {
        filled.records += parts[index].records;
        filled.kept += parts[index].kept;
        filled.characterLengthRecoveries += parts[index].characterLengthRecoveries;
        for (CopiedValue &copy : parts[index].copies)
            table.setText(copy.row, copy.column, copy.text);
    }
    return filled;
}

std::string_view bytesOf(const LargeBuffer &buffer)
{
    return { buffer.data(), buffer.size() };
}

std::string_view recordsOf(const LargeBuffer &buffer)
{
    const std::string_view text = bytesOf(buffer);
    return text.substr(adiRecordsStart(text));
}

// Rows sized for records never read (after a stop) or turned down by a filter would be empty QSOs that
// a save would meet.
void dropRowsNeverFilled(LogTable &table, int firstRow, const Filled &filled)
{
    table.setRowCount(firstRow + filled.kept);
}

ReadResult resultOf(const CollectedNames &collected, const Filled &filled)
{
    ReadResult result;
    result.ok = filled.kept > 0 || !filled.records;
    result.records = collected.records;
    result.recordsRead = filled.records;
    result.recordsKept = filled.kept;
    result.stopped = filled.records < collected.records;
    result.characterLengthRecoveries = filled.characterLengthRecoveries;
    result.truncatedValues = collected.truncatedValues;
    result.skippedTags = collected.skippedTags;
    result.emptyRecords = collected.emptyRecords;
    return result;
}

ReadResult tooLarge()
{
    ReadResult result;
    result.message = notEnoughMemoryMessage;
    return result;
}

ReadResult noRecords(const CollectedNames &collected)
{
    ReadResult result;
    result.stopped = collected.stopped;
    return result;
}

} // namespace

ReadResult readAdi(LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress)
{
    const std::string_view text = recordsOf(bytes);
    FieldColumns columns;
    std::vector<RecordStretch> stretches;
    const CollectedNames collected
        = collectNames(text, adiStretchStarts(text, options), columns, 0, progress, stretches);
    if (collected.stopped || collected.records == 0)
        return noRecords(collected);

    const int fields = static_cast<int>(collected.newNames.size());
    if (!tableFitsFile(
            static_cast<std::uint64_t>(collected.records) + 1, collected.newNames.size(), bytes.size()))
        return tooLarge();
    table.deleteAllQsoRows();
    table.setFixedColumnCount(0);
    // Room for the row-number column the editor and the check put in front.
    if (!table.reserveColumns(fields + 1) || !table.setColumnCount(fields)
        || !table.setRowCount(collected.records + 1))
        return tooLarge();
    table.setFixedRowCount(1);
    for (int column = 0; column < fields; ++column)
        table.setText(0, column, collected.newNames[static_cast<std::size_t>(column)]);
    table.adoptBuffer(std::move(bytes));

    const Filled filled = fillRows(text, stretches, table, columns, 1, options, progress);
    dropRowsNeverFilled(table, 1, filled);
    progress.setLabel("Filling the grid ...");
    return resultOf(collected, filled);
}

ReadResult mergeAdi(LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress)
{
    const std::string_view text = recordsOf(bytes);
    FieldColumns columns;
    // The open log's named columns, the first of equal names winning; "#" is the row number, no field.
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        const std::string_view header = table.text(0, column);
        if (!header.empty() && header != "#")
            columns.add(header, column);
    }
    const int oldColumns = table.columnCount();
    const int oldRows = std::max(table.rowCount(), 1);
    std::vector<RecordStretch> stretches;
    const CollectedNames collected
        = collectNames(text, adiStretchStarts(text, options), columns, oldColumns, progress, stretches);
    if (collected.stopped || collected.records == 0)
        return noRecords(collected);

    const int fields = oldColumns + static_cast<int>(collected.newNames.size());
    if (!tableFitsFile(static_cast<std::uint64_t>(oldRows + collected.records),
            static_cast<std::uint64_t>(fields),
            bytes.size() + static_cast<std::size_t>(table.rowCount()) * static_cast<std::size_t>(oldColumns)))
        return tooLarge();
    if (!table.setColumnCount(fields) || !table.setRowCount(oldRows + collected.records))
        return tooLarge();
    for (int column = oldColumns; column < fields; ++column)
        table.setText(0, column, collected.newNames[static_cast<std::size_t>(column - oldColumns)]);
    table.adoptBuffer(std::move(bytes));

    const Filled filled = fillRows(text, stretches, table, columns, oldRows, options, progress);
    dropRowsNeverFilled(table, oldRows, filled);
    progress.setLabel("Filling the grid ...");
    return resultOf(collected, filled);
}

std::string_view AdiReader::failureText() const
{
    return "No valid entries found.";
}

ReadResult AdiReader::read(
    LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const
{
    return completed(readAdi(std::move(bytes), table, options, progress));
}

ReadResult AdiReader::merge(const std::string &path, bool wideSource, LogTable &table,
    const ReadOptions &options, Progress &progress) const
{
    return readFileWith(path, wideSource,
        [&](LargeBuffer bytes) { return mergeAdi(std::move(bytes), table, options, progress); });
}

ReadResult readAdiFile(
    const std::string &path, LogTable &table, const ReadOptions &options, Progress &progress)
{
    return AdiReader().readFile(path, false, table, options, progress);
}

ReadResult mergeAdiFile(
    const std::string &path, LogTable &table, const ReadOptions &options, Progress &progress)
{
    return AdiReader().merge(path, false, table, options, progress);
}

std::optional<std::string> extractAdiValue(std::string_view record, std::string_view name, bool ignoreBracket)
{
    AdiScanner scanner(record);
    AdiField field;
    for (auto token = scanner.next(field); token != AdiScanner::Token::End; token = scanner.next(field)) {
        if (token == AdiScanner::Token::Field && equalsIgnoreCase(field.name, name))
            return ignoreBracket ? withoutBrackets(field.value) : std::string(field.value);
    }
    return std::nullopt;
}

} // namespace quillog
