// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxReader.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdxScanner.h"
#include "formats/AdxText.h"

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

// First pass: counts the records that hold at least one named field and collects the field names.
// A last record cut off by the end of the file counts too.
Collected collectNames(std::string_view text, Progress &progress)
{
    Collected collected;
    PercentReporter percent(progress, "Collecting tags ...");
    AdxScanner scanner(text);
    AdxField field;
    bool recordHasField = false;
    for (;;) {
        const AdxScanner::Token token = scanner.next(field);
        if (token == AdxScanner::Token::Field) {
            std::string name = adxFieldName(field);
            if (name.empty())
                continue;
            recordHasField = true;
            if (collected.columns.count(name) == 0) {
                collected.columns.emplace(name, static_cast<int>(collected.names.size()));
                collected.names.push_back(std::move(name));
            }
            continue;
        }
        if (recordHasField)
            ++collected.records;
        recordHasField = false;
        if (token == AdxScanner::Token::End)
            break;
        percent.report(scanner.position(), text.size());
        if (!progress.isRunning()) {
            collected.stopped = true;
            break;
        }
    }
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
    AdxScanner scanner(text);
    AdxField field;
    int read = 0;
    bool recordHasField = false;
    while (read < collected.records) {
        const AdxScanner::Token token = scanner.next(field);
        if (token == AdxScanner::Token::Field) {
            const auto found = collected.columns.find(adxFieldName(field));
            if (found == collected.columns.end())
                continue; // a nameless field
            const int row = 1 + read;
            int &filled = filledInRow[static_cast<std::size_t>(found->second)];
            if (filled != row) {
                filled = row;
                setValue(table, row, found->second, field.value);
            }
            recordHasField = true;
            continue;
        }
        if (recordHasField)
            ++read;
        recordHasField = false;
        if (token == AdxScanner::Token::End)
            break;
        percent.report(scanner.position(), text.size());
        if (!progress.isRunning())
            break;
    }
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
