// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

struct AdiReadOptions {
    /// Removes every "<" and ">" from the values ("Ignore '<' symbols in content").
    bool ignoreBracket = false;
};

struct AdiReadResult {
    /// True when at least one record was read.
    bool ok = false;
    /// True when the operator stopped the read; see readAdi().
    bool stopped = false;
    /// Records found in the file (the rows the table was given).
    int records = 0;
    /// Records whose values reached the table (fewer than records after a stop).
    int recordsRead = 0;
    /// Values whose length was counted in characters rather than bytes.
    int characterLengthRecoveries = 0;
    /// Why a file could not be read at all (empty when it was read).
    std::string message;
};

/// Replaces the table with the records of the ADI text: one column per field name in order of first
/// appearance (upper case), one row per record. The table is sized once and filled in a second pass.
/// The cells point into the buffer, which the table takes over.
///
/// Failure (an unreadable or empty file, no record, a stop in the first pass) leaves the table untouched.
/// A stop in the second pass keeps the rows filled so far, drops the rows of the records not read and
/// reports success with stopped set.
AdiReadResult readAdi(LargeBuffer bytes, LogTable &table, const AdiReadOptions &options, Progress &progress);
AdiReadResult readAdiFile(
    const std::string &path, LogTable &table, const AdiReadOptions &options, Progress &progress);

/// Appends the records of the ADI text below the rows of the open log. A field whose name equals a
/// column header (exactly, case included) fills that column; other fields get new columns at the right.
/// The open log's rows and columns stay as they are. Nothing changes when no record is found.
AdiReadResult mergeAdi(LargeBuffer bytes, LogTable &table, const AdiReadOptions &options, Progress &progress);
AdiReadResult mergeAdiFile(
    const std::string &path, LogTable &table, const AdiReadOptions &options, Progress &progress);

/// The value of the first field called name (letter case ignored) in one record's ADI text; nothing when
/// the record has no such field.
std::optional<std::string> extractAdiValue(
    std::string_view record, std::string_view name, bool ignoreBracket);

} // namespace quillog
