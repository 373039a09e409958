// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ImportResult.h"

#include "core/LogTable.h"

namespace quillog
{

namespace
{

// The result of an import given rows rows, of which filled were filled before the operator stopped.
ReadResult importedRows(int rows, int filled, bool stopped)
{
    ReadResult result;
    result.ok = rows > 0;
    // A stop that came after the last row read everything.
    result.stopped = stopped && filled < rows;
    result.records = rows;
    result.recordsRead = filled;
    return result;
}

} // namespace

ReadResult importFailed(std::string warning, bool stopped)
{
    ReadResult result;
    result.stopped = stopped;
    result.warning = std::move(warning);
    return result;
}

ReadResult keepImportedRows(LogTable &target, LogTable &&built, int rows, int filled, bool stopped)
{
    built.setRowCount(filled + 1);
    built.setFixedRowCount(1);
    built.setFixedColumnCount(0);
    target = std::move(built);
    return importedRows(rows, filled, stopped);
}

} // namespace quillog
