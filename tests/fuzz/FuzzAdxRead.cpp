// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as an ADX file, then saves the table as ADX and as ADI, with and without checks.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdxReader.h"

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    LogTable table;
    RunningFlag progress;
    const ReadResult result = readAdx(fuzz::bufferOf(data, size), table, progress);
    if (!result.ok)
        return 0;
    fuzz::require(table.rowCount() == result.records + 1, "the table has not one row per record");
    fuzz::saveBothWays(table, flags, "adx");
    fuzz::saveBothWays(table, flags, "adi");
    return 0;
}
