// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ContestTemplates.h"
#include "formats/ImportResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

struct CabrilloReadOptions {
    /// The contest templates whose field lists name the exchange columns.
    std::vector<ContestTemplate> contests;
    /// Write the converted frequencies with a decimal comma.
    bool decimalComma = false;
};

/// Replaces the table with the QSO lines of a Cabrillo log ("X-QSO:" lines included), one row each.
/// Logs whose fields are separated by single blanks are cut at every blank, logs padded into columns at
/// the word starts of their first lines. With a CONTEST: line the columns are named after the contest's
/// template and the frequencies, modes and dates turned into ADIF form; without one every header
/// stays empty. A leading byte-order mark is dropped.
///
/// Failure (no QSO line among the first hundred lines, none at all) leaves the table untouched; a stop
/// keeps the QSOs read so far.
ImportResult readCabrillo(
    std::string_view bytes, LogTable &table, const CabrilloReadOptions &options, Progress &progress);
ImportResult readCabrilloFile(
    const std::string &path, LogTable &table, const CabrilloReadOptions &options, Progress &progress);

} // namespace quillog
