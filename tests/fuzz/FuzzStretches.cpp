// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the input as ADI and as ADX, once with one thread and once cut into several stretches, and
// requires the same table and the same counts: however the text misleads the cutting, the threads
// must read what one walk reads.
#include "FuzzSupport.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdiReader.h"
#include "formats/AdxReader.h"
#include "formats/TableDump.h"

using namespace quillog;

namespace
{

struct Outcome {
    std::string dump;
    ReadResult result;
};

template <typename Read> Outcome readWith(std::size_t threads, Read read)
{
    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.readerThreads = threads;
    Outcome outcome;
    outcome.result = read(table, options, progress);
    outcome.dump = tableDump(table);
    return outcome;
}

void requireSame(const Outcome &alone, const Outcome &shared)
{
    fuzz::require(alone.dump == shared.dump, "stretches read another table than one walk");
    fuzz::require(alone.result.records == shared.result.records
            && alone.result.recordsRead == shared.result.recordsRead
            && alone.result.characterLengthRecoveries == shared.result.characterLengthRecoveries
            && alone.result.truncatedValues == shared.result.truncatedValues
            && alone.result.skippedTags == shared.result.skippedTags
            && alone.result.emptyRecords == shared.result.emptyRecords,
        "stretches count other repairs than one walk");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const unsigned char flags = fuzz::flagsOf(data, size);
    const std::size_t threads = 2 + flags % 6;
    const bool ignoreBracket = (flags & 0x40) != 0;
    const auto adi = [&](LogTable &table, ReadOptions &options, Progress &progress) {
        options.ignoreBracket = ignoreBracket;
        return readAdi(fuzz::bufferOf(data, size), table, options, progress);
    };
    const auto adx = [&](LogTable &table, ReadOptions &options, Progress &progress) {
        return readAdx(fuzz::bufferOf(data, size), table, progress, options);
    };
    requireSame(readWith(1, adi), readWith(threads, adi));
    requireSame(readWith(1, adx), readWith(threads, adx));
    return 0;
}
