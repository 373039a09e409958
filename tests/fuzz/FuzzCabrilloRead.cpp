// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as a Cabrillo log, with a contest template or without, then saves the table.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/CabrilloReader.h"

#include <string_view>

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    ReadOptions options;
    options.contests = { genericContestTemplate(),
        { "CQ-WW-CW", "MY_CALL:13;RST_SENT:3;MY_CQ_ZONE:6;CALL:13;RST_RCVD:3;CQZ:6" },
        { "NAQP-CW", "MY_CALL;MY_NAME (x):10;STX_STRING;CALL;NAME;SRX_STRING" } };
    options.decimalComma = (flags & 0x80) != 0;
    LogTable table = fuzz::oldTable();
    RunningFlag progress;
    const ReadResult result = readCabrillo(
        std::string_view(reinterpret_cast<const char *>(data), size), table, options, progress);
    fuzz::requireImportOutcome(result, table, flags);
    return 0;
}
