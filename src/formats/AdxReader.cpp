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

struct Collected {
    std::vector<std::string> names; // in order of first appearance
    ColumnMap columns;
    int records = 0;
    bool stopped = false;
};

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

// First pass: counts the records that hold at least one named field and collects the field names.
// A last record cut off by the end of the file counts too.
Collected collectNames(std::string_view text, Progress &progress)
{
    Collected collected;
    ColumnFinder columns(collected.columns);
    PercentReporter percent(progress, "Collecting tags ...");
    AdxScanner scanner(text);
    const bool finished = walkRecords<AdxScanner, AdxField>(
        scanner, text.size(), progress, percent,
        [&](const AdxField &field, std::size_t ordinal) {
            if (columns.find(field, ordinal) >= 0)
                return true;
            std::string name = adxFieldName(field);
            if (name.empty())
                return false;
            collected.columns.emplace(name, static_cast<int>(collected.names.size()));
            collected.names.push_back(std::move(name));
            return true;
        },
        [&] {
            ++collected.records;
            return true;
        });
    collected.stopped = !finished;
    return collected;
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
int fillRows(std::string_view text, LogTable &table, const Collected &collected, Progress &progress)
{
    PercentReporter percent(progress, "Reading file ...");
    percent.report(0, text.size());
    std::vector<int> filledInRow(collected.names.size(), -1);
    ColumnFinder columns(collected.columns);
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
        [&] { return ++read < collected.records; });
    return read;
}

AdiReadResult failure(std::string message, bool stopped = false)
{
    AdiReadResult result;
    result.message = std::move(message);
    result.stopped = stopped;
    return result;
}

} // namespace

AdiReadResult readAdx(LargeBuffer bytes, LogTable &table, Progress &progress)
{
    const std::string_view text(bytes.data(), bytes.size());
    const Collected collected = collectNames(text, progress);
    if (collected.stopped || collected.records == 0)
        return failure({}, collected.stopped);

    if (!tableFitsFile(
            static_cast<std::uint64_t>(collected.records) + 1, collected.names.size(), bytes.size()))
        return failure("not enough memory for the log");
    const int fields = static_cast<int>(collected.names.size());
    LogTable filled;
    if (!filled.setColumnCount(fields) || !filled.setRowCount(collected.records + 1))
        return failure("not enough memory for the log");
    filled.setFixedRowCount(1);
    filled.setFixedColumnCount(0);
    for (int column = 0; column < fields; ++column)
        filled.setText(0, column, collected.names[static_cast<std::size_t>(column)]);
    filled.adoptBuffer(std::move(bytes));

    AdiReadResult result;
    result.records = collected.records;
    result.recordsRead = fillRows(text, filled, collected, progress);
    // The rows of records a stop kept from being read are not QSOs.
    filled.setRowCount(result.recordsRead + 1);
    progress.setLabel("Filling the grid ...");
    result.ok = true;
    result.stopped = result.recordsRead < result.records;
    table = std::move(filled);
    return result;
}

AdiReadResult readAdxFile(const std::string &path, LogTable &table, Progress &progress)
{
    FileBytes file = readFileBytes(path);
    if (!file.ok)
        return failure(file.message);
    if (file.bytes.size() == 0)
        return failure(path + ": the file is empty");
    return readAdx(std::move(file.bytes), table, progress);
}

} // namespace quillog
