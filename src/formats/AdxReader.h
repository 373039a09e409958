// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"
#include "formats/LogReader.h"

#include <string>

namespace quillog
{

class LogTable;
class Progress;

/// The XML form of ADIF; the read options do not concern it.
class AdxReader final : public LogReader
{
public:
    std::string_view failureText() const override;
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
};

/// Replaces the table with the records of an ADX file: one column per field name in order of first
/// appearance (upper case; user-defined fields by their FIELDNAME, application fields as
/// "APP_" + PROGRAMID + "_" + FIELDNAME), one row per record. Character references are decoded. The
/// table is sized once and filled in a second pass; plain values point into the buffer, which the table
/// takes over.
///
/// Failure (an unreadable or empty file, no record, a stop in the first pass) leaves the table untouched.
/// A stop in the second pass keeps the rows filled so far and reports success with stopped set. Of the
/// options only the number of reading threads counts.
ReadResult readAdx(LargeBuffer bytes, LogTable &table, Progress &progress, const ReadOptions &options = {});
ReadResult readAdxFile(const std::string &path, LogTable &table, Progress &progress);

} // namespace quillog
