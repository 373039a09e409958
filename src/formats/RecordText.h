// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SaveOptions.h"

#include <string>

namespace quillog
{

class LogTable;

/// The rows between firstRow and lastRow that hold a selected cell, as ADI records for the clipboard:
/// every non-empty field with its header as written (no normalisation, no checks), one record per line.
std::string adiRecordText(
    const LogTable &table, int firstRow, int lastRow, const SaveOptions &options, const TypeMap &typeMap);

/// The same rows as CSV lines: every field column's trimmed value in double quotes, each followed by the
/// separator, no header line.
std::string csvRecordText(const LogTable &table, int firstRow, int lastRow, char separator);

} // namespace quillog
