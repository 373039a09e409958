// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogWriter.h"
#include "formats/SaveOptions.h"
#include "side/SplitParts.h"

#include <string>
#include <utility>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// What a split wrote.
struct SplitResult {
    /// Written records, the rejected ones with their headings, the report; ok when every part was written.
    SaveResult save;
    /// The parts written, each with the number of records it holds.
    std::vector<std::pair<std::string, int>> parts;
};

/// How many parts a split by count writes: every record that passes the save checks goes into a part,
/// count to a part (one to a part for a count of 0), and there is always a first part.
int splitPartCount(
    const LogTable &table, int count, const SaveOptions &options, const SaveDefinitions &definitions);

/// Writes every QSO row into parts of count records each, named after target (see splitPartPath()), as
/// ADX when the target's extension is ".adx", else as ADI, with the records, checks and header of a save.
/// Each part is written as a new file that replaces its name only when complete. A part that cannot be
/// written ends the split with a message naming it; the parts before it stay. Records the checks reject
/// are listed, over all parts, in the report target + ".log". Stop ends the split after the current row
/// and drops the unfinished part.
SplitResult writeSplit(const LogTable &table, int count, const std::string &target,
    const SaveOptions &options, const SaveDefinitions &definitions, Progress &progress);

/// The question before a split replaces files: it names the first part that exists.
std::string splitPartsExistQuestion(const std::string &firstExisting, int parts);

/// The message of a split that stopped at a part that could not be written.
std::string splitPartFailedMessage(const std::string &part, const std::string &reason);

} // namespace quillog
