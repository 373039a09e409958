// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/AdiReader.h"

#include <string>

namespace quillog
{

class LogTable;

/// The outcome of an import: ok when at least one row was read, stopped when the operator pressed
/// Stop (the rows read until then stay), records = recordsRead = the rows read, message = the reader's
/// own warning, shown before the import's failure message.
using ImportResult = AdiReadResult;

/// The result of an import that read rows rows (stopped or not).
ImportResult importedRows(int rows, bool stopped);
/// The result of an import that failed, with the reader's own warning (may be empty).
ImportResult importFailed(std::string warning = {});

/// Replaces target with a table that a reader built aside, so that a failed read never touches the
/// open log.
void replaceTable(LogTable &target, LogTable &&built);

} // namespace quillog
