// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogFileType.h"
#include "definitions/ContestTemplates.h"
#include "formats/ImportResult.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// The readers of the Import command.
enum class ImportReader { Adx, Cabrillo, Ct, Trlog, Csv, CharacterGrid };

/// The reader for a file of the given type. A file with a TRLOG rule is read as a TRLOG listing only
/// when the operator confirms it (asTrlog), else, like any unrecognised text, as a character grid.
/// An ADIF file has no import reader: nothing for it.
std::optional<ImportReader> importReaderFor(LogFileType type, bool asTrlog);

/// The warning an import shows when its reader found nothing.
std::string_view importFailureMessage(ImportReader reader);

struct ImportSettings {
    /// The contest templates that name a Cabrillo log's exchange columns.
    std::vector<ContestTemplate> contests;
    /// Converted Cabrillo frequencies get a decimal comma.
    bool decimalComma = false;
};

/// Replaces the table with the log at path, read by the reader. A TRLOG listing whose first column
/// holds band and mode glued together ("40CW") gets them split into two columns. The table is left
/// untouched when the reader fails.
ImportResult importLog(ImportReader reader, const std::string &path, LogTable &table,
    const ImportSettings &settings, Progress &progress);

} // namespace quillog
