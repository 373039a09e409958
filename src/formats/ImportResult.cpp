// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ImportResult.h"

#include "core/LogTable.h"

namespace quillog
{

ImportResult importedRows(int rows, bool stopped)
{
    ImportResult result;
    result.ok = rows > 0;
    result.stopped = stopped;
    result.records = rows;
    result.recordsRead = rows;
    return result;
}

ImportResult importFailed(std::string warning)
{
    ImportResult result;
    result.message = std::move(warning);
    return result;
}

void replaceTable(LogTable &target, LogTable &&built)
{
    built.setFixedRowCount(1);
    built.setFixedColumnCount(0);
    target = std::move(built);
}

} // namespace quillog
