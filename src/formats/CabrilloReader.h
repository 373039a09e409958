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

/// Replaces the table with the QSO lines of a Cabrillo log ("X-QSO:" lines included), one row each.
/// Logs whose fields are separated by single blanks are cut at every blank, logs padded into columns at
/// the word starts of their first lines. With a CONTEST: line the columns are named after the contest's
/// template and the frequencies, modes and dates turned into ADIF form; without one every header
/// stays empty. A leading byte-order mark is dropped.
///
/// The options give the contest templates and whether converted frequencies get a decimal comma.
/// Failure (no QSO line among the first hundred lines, none at all) leaves the table untouched; a stop
/// keeps the QSOs read so far and leaves the other rows empty.
ReadResult readCabrillo(
    std::string_view bytes, LogTable &table, const ReadOptions &options, Progress &progress);

/// The Cabrillo reader of the format registry.
class CabrilloReader final : public LogReader
{
public:
    std::string_view failureText() const override { return "No valid QSOs found."; }
    ReadResult read(
        LargeBuffer bytes, LogTable &table, const ReadOptions &options, Progress &progress) const override;
};

} // namespace quillog
