// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogWriter.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;
class SaveFormat;

/// The records of consecutive rows as a save writes them.
struct SavedBlock {
    /// The accepted records one after the other, each with its line end.
    std::string text;
    /// Where each accepted record ends in text.
    std::vector<std::size_t> recordEnds;
    /// The rejected records, each after its check heading and without a line end, in row order.
    std::vector<std::string> errors;
    /// Characters of the accepted records the format cannot carry.
    std::size_t droppedCharacters = 0;
    bool frequencyWithoutSeparator = false;

    std::size_t records() const { return recordEnds.size(); }
    /// The text of accepted record i with its line end.
    std::string_view record(std::size_t i) const
    {
        const std::size_t start = i == 0 ? 0 : recordEnds[i - 1];
        return std::string_view(text).substr(start, recordEnds[i] - start);
    }
    void clear();
};

/// Goes through the rows as a save writes them, each row's record in format followed by its line end
/// ("\r\n", or "\r\n\r\n" with separateQsos). The rows are formatted and checked in blocks of
/// rowsPerBlock (0: a size that suits the table), on several threads; onBlock gets each block on the
/// calling thread in row order and returns whether to go on. The rejected records go to result.errors
/// in row order; result.droppedCharacters and result.frequencyWithoutSeparator are set. Reports "Saving
/// QSOs ..." and asks whether to go on before each block and once after the last (only on the calling
/// thread); returns false when the operator stopped.
bool walkSavedRecords(const LogTable &table, const SaveFormat &format, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress, SaveResult &result,
    const std::function<bool(const SavedBlock &block)> &onBlock, std::size_t rowsPerBlock = 0);

} // namespace quillog
