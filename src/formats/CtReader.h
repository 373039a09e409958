// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogReader.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class Progress;

inline constexpr std::string_view ctInvalidContentMessage = "Invalid file content.";
inline constexpr std::string_view ctUnsupportedVersionMessage = "This Version is not supported.";

/// Where a CT file's records lie and how they look, by the version mark of its 128-byte header.
struct CtLayout {
    int version = 0;
    std::size_t dataOffset = 0;
    std::size_t recordSize = 0;
    int columns = 0;
};

/// The layout of versions 8, 9 and 10; nothing for a header without "CT" at bytes 32 and 33 or with
/// any other version mark.
std::optional<CtLayout> ctLayout(std::string_view header);

/// Replaces the table with the records of a binary CT contest log, one row each, every header empty:
/// call, a second text, band ("160M" to "6M"), mode ("RTTY", "CW", "SSB"), the numbers of the record
/// as signed decimals, the time as HHMM and the date as YYYY-MM-DD in UTC, and (version 10) the
/// record's closing text. Every read stays inside the file, every text inside its field.
///
/// Failure leaves the table untouched: a file shorter than its header gives the warning "Invalid file
/// content.", an unknown version "This Version is not supported.", a file without a whole record none.
/// A stop keeps the records read so far and leaves the other rows empty.
ReadResult readCt(std::string_view bytes, LogTable &table, Progress &progress);
/// The CT reader of the format registry.
class CtReader final : public LogReader
{
public:
    std::string_view failureText() const override { return "No valid QSOs found."; }
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
};

} // namespace quillog
