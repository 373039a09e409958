// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"
#include "formats/LogReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// The tagged ADIF reader: "<NAME:length>value" fields, "<EOR>" between records, an optional header
/// ending with "<EOH>".
class AdiReader final : public LogReader
{
public:
    std::string_view failureText() const override;
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
    /// Appends the file's records to the open log; see mergeAdi().
    ReadResult merge(const std::string &path, bool wideSource, LogTable &table, const ReadOptions &options,
        Progress &progress) const;
};

/// Replaces the table with the records of the ADI text: one column per field name in order of first
/// appearance (upper case), one row per record. The table is sized once and filled in a second pass.
/// The cells point into the buffer, which the table takes over.
///
/// Failure (an unreadable or empty file, no record, a stop in the first pass) leaves the table untouched.
/// A stop in the second pass keeps the rows filled so far, drops the rows of the records not read and
/// reports success with stopped set.
ReadResult readAdi(LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress);
ReadResult readAdiFile(
    const std::string &path, LogTable &table, const ReadOptions &options, Progress &progress);

/// Appends the records of the ADI text below the rows of the open log. A field whose name equals a
/// column header (exactly, case included) fills that column; other fields get new columns at the right.
/// The open log's rows and columns stay as they are. Nothing changes when no record is found.
ReadResult mergeAdi(LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress);
ReadResult mergeAdiFile(
    const std::string &path, LogTable &table, const ReadOptions &options, Progress &progress);

/// The value of the first field called name (letter case ignored) in one record's ADI text; nothing when
/// the record has no such field.
std::optional<std::string> extractAdiValue(
    std::string_view record, std::string_view name, bool ignoreBracket);

} // namespace quillog
