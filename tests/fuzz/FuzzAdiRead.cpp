// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as an ADI file, then saves the table with and without the save checks.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdiReader.h"

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.ignoreBracket = flags & 0x10;
    const ReadResult result = readAdi(fuzz::bufferOf(data, size), table, options, progress);
    if (!result.ok)
        return 0;
    fuzz::require(
        !result.stopped && result.recordsRead == result.records, "a read that nobody stopped stopped");
    fuzz::require(table.rowCount() == result.records + 1, "the table has not one row per record");
    fuzz::saveBothWays(table, flags);
    return 0;
}
