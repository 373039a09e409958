// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ImportResult.h"

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
/// Failure (an empty file, no record besides the header line, a table far beyond the file's size)
/// leaves the table untouched. A stop keeps the records read so far.
ImportResult readCsv(std::string_view bytes, LogTable &table, Progress &progress);
ImportResult readCsvFile(const std::string &path, LogTable &table, Progress &progress);

} // namespace quillog
