// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiReader.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdiScanner.h"
#include "formats/FieldColumns.h"
#include "formats/ReadLimits.h"
#include "formats/RecordWalk.h"

#include <utility>

namespace quillog
{

namespace
{

// First pass: the records and the field names not yet known, upper-cased.
CollectedNames collectNames(
    std::string_view text, FieldColumns &columns, int firstNewColumn, Progress &progress)
{
    return collectFieldNames<AdiScanner, AdiField>(
        text, firstNewColumn, progress,
        [&](const AdiField &field, std::size_t ordinal) { return columns.find(field.name, ordinal); },
        [](const AdiField &field) { return toUpper(field.name); },
        [&](const std::string &name, int column) { return columns.add(name, column); });
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

void setValue(LogTable &table, int row, int column, std::string_view value, const ReadOptions &options)
{
    if (options.ignoreBracket && value.find_first_of("<>") != std::string_view::npos)
        table.setText(row, column, withoutBrackets(value));
    else
        table.setTextView(row, column, value);
}

struct Filled {
    int records = 0; // records whose values reached the table
    int kept = 0; // of those, the records the filter kept
    int characterLengthRecoveries = 0;
};

void clearRow(LogTable &table, int row)
{
    for (int column = 0; column < table.columnCount(); ++column)
        table.setTextView(row, column, {});
}

// Second pass: fills rows firstRow onwards, one per record; the first of two equal fields counts. A
// record the options' filter turns down gives its row to the next record.
Filled fillRows(std::string_view text, LogTable &table, FieldColumns &columns, int firstRow, int records,
    const ReadOptions &options, Progress &progress)
{
    PercentReporter percent(progress, "Reading file ...");
    percent.report(0, text.size());
    std::vector<int> filledInRecord(static_cast<std::size_t>(table.columnCount()), -1);
    AdiScanner scanner(text);
    Filled filled;
    walkRecords<AdiScanner, AdiField>(
        scanner, text.size(), progress, percent,
        [&](const AdiField &field, std::size_t ordinal) {
            const int column = columns.find(field.name, ordinal);
            int &filledBy = filledInRecord[static_cast<std::size_t>(column)];
            if (filledBy != filled.records) { // the first of two equal fields counts
                filledBy = filled.records;
                setValue(table, firstRow + filled.kept, column, field.value, options);
            }
            return true;
        },
        [&] {
            const int row = firstRow + filled.kept;
            if (!options.keepRecord || options.keepRecord(table, row))
                ++filled.kept;
            else
                clearRow(table, row);
            return ++filled.records < records;
        });
    filled.characterLengthRecoveries = scanner.characterLengthRecoveries();
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
    const CollectedNames collected = collectNames(text, columns, 0, progress);
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

    const Filled filled = fillRows(text, table, columns, 1, collected.records, options, progress);
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
    const CollectedNames collected = collectNames(text, columns, oldColumns, progress);
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

    const Filled filled = fillRows(text, table, columns, oldRows, collected.records, options, progress);
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
