// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SavedRecords.h"

#include "core/OrderedWork.h"
#include "core/Parallel.h"
#include "core/Progress.h"
#include "formats/LogSaver.h"
#include "formats/RecordChecks.h"
#include "formats/RecordPreparer.h"
#include "formats/SavePlan.h"

#include <algorithm>
#include <iterator>

namespace quillog
{

void SavedBlock::clear()
{
    text.clear();
    recordEnds.clear();
    errors.clear();
    droppedCharacters = 0;
    frequencyWithoutSeparator = false;
}

namespace
{

// A block of about this many cells keeps the blocks in flight small and each one worth a thread's
// hand-over.
constexpr std::size_t cellsPerBlock = 1u << 16;
constexpr std::size_t mostRowsPerBlock = 4096;

std::size_t suitableRowsPerBlock(const SavePlan &plan)
{
    return std::clamp<std::size_t>(
        cellsPerBlock / std::max<std::size_t>(plan.columns.size(), 1), 1, mostRowsPerBlock);
}

// What every block of one save shares; read-only while the workers run.
struct BlockMaker {
    const LogTable &table;
    const SaveFormat &format;
    const SaveOptions &options;
    const SavePlan &plan;
    const RecordChecks &checks;

    void make(SavedBlock &block, std::size_t firstRow, std::size_t endRow) const
    {
        block.clear();
        const std::string_view lineEnd = options.separateQsos ? "\r\n\r\n" : "\r\n";
        RecordPreparer preparer(plan, options);
        for (std::size_t n = firstRow; n < endRow; ++n) {
            const std::vector<PreparedField> &fields = preparer.prepare(table, plan.rows[n]);
            if (fields.empty())
                continue;
            if (const std::string_view failed
                = options.noChecks ? std::string_view {} : checks.failure(fields);
                !failed.empty()) {
                format.appendRecord(block.errors.emplace_back(failed), fields, options);
                continue;
            }
            format.appendRecord(block.text, fields, options);
            block.text += lineEnd;
            block.recordEnds.push_back(block.text.size());
            block.droppedCharacters += format.unwritableCharacters(fields);
        }
        block.frequencyWithoutSeparator = preparer.frequencyWithoutSeparator();
    }
};

void takeOutcome(SaveResult &result, SavedBlock &block)
{
    std::move(block.errors.begin(), block.errors.end(), std::back_inserter(result.errors));
    result.droppedCharacters += block.droppedCharacters;
    result.frequencyWithoutSeparator |= block.frequencyWithoutSeparator;
}

} // namespace

bool walkSavedRecords(const LogTable &table, const SaveFormat &format, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress, SaveResult &result,
    const std::function<bool(const SavedBlock &block)> &onBlock, std::size_t rowsPerBlock)
{
    const SavePlan plan = makeSavePlan(table, options, definitions.typeMap);
    const RecordChecks checks(plan, definitions.modes, definitions.bands);
    const BlockMaker maker { table, format, options, plan, checks };
    const std::size_t rows = plan.rows.size();
    const std::size_t perBlock = rowsPerBlock > 0 ? rowsPerBlock : suitableRowsPerBlock(plan);
    const std::size_t blocks = (rows + perBlock - 1) / perBlock;
    const std::size_t workers = processorCount();
    // Two blocks per worker: one being made while the other waits its turn.
    std::vector<SavedBlock> slots(2 * workers);

    PercentReporter percent(progress, "Saving QSOs ...");
    percent.report(0, rows);
    bool stopped = false;
    const OrderedWork work {
        [&](std::size_t piece, std::size_t slot) {
            maker.make(slots[slot], piece * perBlock, std::min(rows, (piece + 1) * perBlock));
        },
        [&](std::size_t piece, std::size_t slot) {
            if (!progress.isRunning()) {
                stopped = true;
                return false;
            }
            SavedBlock &block = slots[slot];
            takeOutcome(result, block);
            const bool goOn = onBlock(block);
            percent.report(std::min(rows, (piece + 1) * perBlock), rows);
            return goOn;
        },
    };
    const bool complete = runInOrder(blocks, workers, slots.size(), work);
    // A stop while the last block was made still keeps the file from being replaced.
    return !stopped && (!complete || progress.isRunning());
}

} // namespace quillog
