// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogWriter.h"

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class Progress;

struct CsvWriteOptions {
    /// "," or ";"; any other character is taken as ";".
    char separator = ';';
    /// An empty line after every line, the header line included (the SeparateQSO setting).
    bool blankLines = false;
};

/// Appends one field in double quotes, a quote inside it doubled (RFC 4180), so separators, quotes and
/// line breaks in a cell come back unchanged when the file is read again.
void appendCsvField(std::string &out, std::string_view text);

/// Writes the table for a spreadsheet: every row from the header row on, every column but the fixed
/// row-number column, lines ended by CR LF. The file is written beside the target and replaces it only
/// when complete; a failure or a stop leaves the previous file as it was.
SaveResult writeCsvFile(
    const std::string &path, const LogTable &table, const CsvWriteOptions &options, Progress &progress);

/// The CSV writer of the format registry: the separator and the empty lines come from the save options
/// (csvSeparator, separateQsos); a spreadsheet file has no record checks.
class CsvFormat final : public LogWriter
{
public:
    SaveResult write(const std::string &path, const LogTable &table, const SaveOptions &options,
        const SaveDefinitions &definitions, Progress &progress) const override;
    bool reportsFrequencyWarning() const override { return false; }
};

} // namespace quillog
