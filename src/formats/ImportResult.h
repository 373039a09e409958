// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogReader.h"

#include <string>

namespace quillog
{

class LogTable;

/// The result of an import whose table was given rows rows, of which filled were filled before the
/// operator stopped (all of them when stopped is false).
ReadResult importedRows(int rows, int filled, bool stopped);
/// The result of an import that failed, with the reader's own warning (may be empty); the reader's
/// failure text becomes its message.
ReadResult importFailed(std::string warning = {}, bool stopped = false);

/// Replaces target with a table that a reader built aside, so that a failed read never touches the
/// open log.
void replaceTable(LogTable &target, LogTable &&built);

} // namespace quillog
