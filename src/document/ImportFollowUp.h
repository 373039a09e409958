// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogFileType.h"

namespace quillog
{

class LogReader;
class LogTable;

/// The reader an import uses for a file of the type: a TRLOG listing is read as one only when the
/// operator wants it so (asTrlog), else as a character grid. Null for a file no import reads.
const LogReader *importReaderFor(LogFileType type, bool asTrlog);

/// What an import does after its reader succeeded, before the table is shown: a TRLOG listing whose
/// first column holds band and mode glued together ("40CW") gets them in two columns. This is part of
/// reading the listing, not an edit, so it leaves no undo step.
void finishImportedTable(const LogReader &reader, LogTable &table);

} // namespace quillog
