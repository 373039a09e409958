// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxReader.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdxScanner.h"
#include "formats/AdxText.h"
#include "formats/ReadLimits.h"
#include "formats/RecordWalk.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillog
{

namespace
{

using ColumnMap = std::unordered_map<std::string, int>;

// Finds the column of a field. Records of one log mostly repeat the same elements in the same order,
// so the n-th element of the last record is compared first, which spares building the name.
class ColumnFinder
{
public:
    explicit ColumnFinder(const ColumnMap &columns)
        : m_columns(columns)
    {
    }

    int find(const AdxField &field, std::size_t ordinal)
    {
        const bool element = field.kind == AdxField::Kind::Element;
        if (element && ordinal < m_recent.size() && m_recent[ordinal].first == field.element)
            return m_recent[ordinal].second;
        const auto found = m_columns.find(adxFieldName(field));
        const int column = found == m_columns.end() ? -1 : found->second;
        if (element && column >= 0) {
            if (ordinal >= m_recent.size())
                m_recent.resize(ordinal + 1);
            m_recent[ordinal] = { field.element, column };
        }
        return column;
    }

private:
    const ColumnMap &m_columns;
    std::vector<std::pair<std::string_view, int>> m_recent;
};

// First pass: the records and the field names (user-defined and application fields by their full name).
CollectedNames collectNames(std::string_view text, ColumnMap &known, Progress &progress)
{
    ColumnFinder columns(known);
    return collectFieldNames<AdxScanner, AdxField>(
        text, 0, progress,
        [&](const AdxField &field, std::size_t ordinal) { return columns.find(field, ordinal); },
        [](const AdxField &field) { return adxFieldName(field); },
        [&](const std::string &name, int column) { return known.emplace(name, column).second; });
}

void setValue(LogTable &table, int row, int column, std::string_view raw)
{
    if (needsXmlDecoding(raw))
        table.setText(row, column, decodeXmlText(raw));
    else
        table.setTextView(row, column, raw);
}

// Second pass: fills rows 1 onwards, one per record; the first of two equal fields counts. Returns the
// number of records whose values reached the table.
int fillRows(std::string_view text, LogTable &table, const ColumnMap &known, int records, Progress &progress)
{
    PercentReporter percent(progress, "Reading file ...");
    percent.report(0, text.size());
    std::vector<int> filledInRow(known.size(), -1);
    ColumnFinder columns(known);
    AdxScanner scanner(text);
    int read = 0;
    walkRecords<AdxScanner, AdxField>(
        scanner, text.size(), progress, percent,
        [&](const AdxField &field, std::size_t ordinal) {
            const int column = columns.find(field, ordinal);
            if (column < 0)
                return false; // a nameless field
            const int row = 1 + read;
            int &filled = filledInRow[static_cast<std::size_t>(column)];
            if (filled != row) { // the first of two equal fields counts
                filled = row;
                setValue(table, row, column, field.value);
            }
            return true;
        },
        [&] { return ++read < records; });
    return read;
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

ReadResult readAdx(LargeBuffer bytes, LogTable &table, Progress &progress)
{
    const std::string_view text(bytes.data(), bytes.size());
    ColumnMap known;
    const CollectedNames collected = collectNames(text, known, progress);
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
    result.recordsRead = fillRows(text, filled, known, collected.records, progress);
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

ReadResult AdxReader::read(LargeBuffer bytes, LogTable &table, const ReadOptions &, Progress &progress) const
{
    return completed(readAdx(std::move(bytes), table, progress));
}

ReadResult readAdxFile(const std::string &path, LogTable &table, Progress &progress)
{
    return AdxReader().readFile(path, false, table, {}, progress);
}

} // namespace quillog
