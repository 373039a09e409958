// SPDX-License-Identifier: GPL-3.0-or-later
// Splits the input at its first NUL byte (or in the middle): reads the first part as the open log,
// merges the second part into it, and saves the result.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdiReader.h"

#include <algorithm>
#include <cstring>

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    const void *nul = size == 0 ? nullptr : std::memchr(data, 0, size);
    const std::size_t split
        = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t *>(nul) - data) : size / 2;
    const std::size_t second = nul ? split + 1 : split;

    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.ignoreBracket = flags & 0x10;
    readAdi(fuzz::bufferOf(data, split), table, options, progress);
    const int rowsBefore = std::max(table.rowCount(), 1);
    const int columnsBefore = table.columnCount();
    const ReadResult merged
        = mergeAdi(fuzz::bufferOf(data + second, size - second), table, options, progress);
    if (merged.ok) {
        fuzz::require(
            table.rowCount() == rowsBefore + merged.records, "a merge added not one row per record");
        fuzz::require(table.columnCount() >= columnsBefore, "a merge removed columns");
    }
    fuzz::saveBothWays(table, flags);
    return 0;
}
