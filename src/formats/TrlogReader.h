// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogReader.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// A column of a printed listing: the first and the last character position, both included.
struct TextSpan {
    std::size_t first = 0;
    std::size_t last = 0;

    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

/// The columns that a rule line of dash groups marks: each runs from the blank before its group to the
/// group's last dash, the first from position 0; a group at the line's end counts like any other. With
/// four or more groups the first three are the listing's fixed band-and-mode, date and time columns.
std::vector<TextSpan> trlogColumns(std::string_view rule);

/// Replaces the table with the QSO lines of a TRLOG listing: the first rule line of 50 to 100
/// characters defines the columns, and every later line of that length, other than a rule or the
/// "Call worked" heading, is one QSO cut into them, each cell trimmed. Every header stays empty. Lines
/// are measured without their line ends, so LF and CR LF files read alike.
///
/// Failure (no rule line, no QSO line) leaves the table untouched; a stop keeps the rows read so far and
/// leaves the other rows empty.
ReadResult readTrlog(std::string_view bytes, LogTable &table, Progress &progress);
/// The TRLOG reader of the format registry.
class TrlogReader final : public LogReader
{
public:
    std::string_view failureText() const override { return "No valid QSOs found."; }
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
};

} // namespace quillog
