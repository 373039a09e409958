// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as a binary CT contest log, then saves the table as ADI with and without checks.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/CtReader.h"

#include <string_view>

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    LogTable table = fuzz::oldTable();
    RunningFlag progress;
    const ReadResult result
        = readCt(std::string_view(reinterpret_cast<const char *>(data), size), table, progress);
    fuzz::requireImportOutcome(result, table, fuzz::flagsOf(data, size));
    return 0;
}
