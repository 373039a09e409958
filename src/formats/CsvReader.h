// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogReader.h"

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class Progress;

/// Replaces the table with the records of a spreadsheet export (RFC 4180, "," or ";" as detected by
/// detectCsvSeparator()). The first record is the header line when one of its fields contains "call",
/// "freq", "mode" or "rst" (any letter case); then its fields name the columns as they stand. Otherwise
/// every header stays empty and the first record is the first row. Records with more fields than any
/// header get columns with empty headers; blank lines are skipped. A leading byte-order mark is dropped.
///
/// Failure (an empty file, no record besides the header line, a table far beyond the file's size, a
/// stop before the records were counted) leaves the table untouched. A later stop keeps the records read
/// so far and leaves the other rows empty.
ReadResult readCsv(std::string_view bytes, LogTable &table, Progress &progress);

/// The CSV reader of the format registry.
class CsvReader final : public LogReader
{
public:
    std::string_view failureText() const override { return "No valid QSOs found."; }
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
};

} // namespace quillog
