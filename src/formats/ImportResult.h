// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogReader.h"

#include <string>

namespace quillog
{

class LogTable;

/// The result of an import that failed, with the reader's own warning (may be empty); the reader's
/// failure text becomes its message.
ReadResult importFailed(std::string warning = {}, bool stopped = false);

/// Replaces target with the table a reader built aside (so that a failed read never touches the open
/// log), keeping only the filled rows: after a stop, rows sized for records never read would be empty
/// QSOs that a save would meet. Returns the import's result.
ReadResult keepImportedRows(LogTable &target, LogTable &&built, int rows, int filled, bool stopped);

} // namespace quillog
