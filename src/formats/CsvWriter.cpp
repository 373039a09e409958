// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CsvWriter.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/LogSaver.h"

namespace quillog
{

namespace
{

constexpr std::size_t flushSize = 4u << 20;

void appendRow(std::string &out, const LogTable &table, int row, char separator)
{
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        if (column > table.fixedColumnCount())
            out += separator;
        appendCsvField(out, table.text(row, column));
    }
    out += "\r\n";
}

} // namespace

void appendCsvField(std::string &out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

SaveResult writeCsvFile(
    const std::string &path, const LogTable &table, const CsvWriteOptions &options, Progress &progress)
{
    SaveResult result;
    SafeFile file(path);
    if (!file.open()) {
        result.message = fileInUseMessage;
        return result;
    }
    const char separator = options.separator == ',' ? ',' : ';';
    PercentReporter percent(progress, "Saving QSOs ...");
    std::string out;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (!progress.isRunning()) {
            file.abandon();
            result.stopped = true;
            result.message = "The save was stopped; the file was not changed.";
            return result;
        }
        percent.report(
            static_cast<unsigned long long>(row), static_cast<unsigned long long>(table.rowCount()));
        appendRow(out, table, row, separator);
        if (options.blankLines)
            out += "\r\n";
        if (out.size() >= flushSize) {
            if (!file.write(out)) {
                result.message = file.errorText();
                return result;
            }
            out.clear();
        }
    }
    if (!file.write(out) || !file.commit()) {
        result.message = file.errorText();
        return result;
    }
    result.ok = true;
    result.written = table.qsoCount();
    return result;
}

SaveResult CsvFormat::write(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &, Progress &progress) const
{
    return writeCsvFile(path, table, { options.csvSeparator, options.separateQsos }, progress);
}

} // namespace quillog
