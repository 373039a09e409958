// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SaveOptions.h"

#include <string>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

struct SaveResult {
    bool ok = false; ///< the file was written and replaced the previous one
    bool stopped = false; ///< the operator stopped the save; the previous file is untouched
    int written = 0;
    /// The rejected records: each a check heading followed by the record's text.
    std::vector<std::string> errors;
    bool frequencyWithoutSeparator = false;
    /// Characters of the written records that the format cannot carry and left out.
    std::size_t droppedCharacters = 0;
    std::string reportPath; ///< the ".log" file, empty when none was written
    std::string message; ///< why the save failed
};

/// What the operator must hear about characters the format left out; empty when there were none.
std::string droppedCharactersText(const SaveResult &result);

/// One file format that the table can be saved in. A writer is stateless: one object serves every save.
class LogWriter
{
public:
    virtual ~LogWriter() = default;

    /// Writes the table to path through a new file that replaces path only when it is complete; a
    /// stop or an error leaves the previous file as it was.
    virtual SaveResult write(const std::string &path, const LogTable &table, const SaveOptions &options,
        const SaveDefinitions &definitions, Progress &progress) const = 0;

    /// Whether the save report warns about FREQ values without a decimal separator.
    virtual bool reportsFrequencyWarning() const = 0;
};

} // namespace quillog
