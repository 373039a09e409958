// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/RecordChecks.h"
#include "formats/SaveOptions.h"

#include <string>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// The layout of one file format: its header, its records and its closing lines.
class SaveFormat
{
public:
    virtual ~SaveFormat() = default;
    virtual void appendHeader(
        std::string &out, const SaveOptions &options, const SaveDefinitions &definitions) const = 0;
    /// The record's text without its line end; the save report quotes it the same way.
    virtual void appendRecord(
        std::string &out, const std::vector<PreparedField> &fields, const SaveOptions &options) const = 0;
    virtual void appendFooter(std::string &out, const SaveOptions &options) const = 0;
    /// Whether the report warns about FREQ values without a decimal separator.
    virtual bool reportsFrequencyWarning() const = 0;
    /// How many characters of the fields the layout cannot carry and leaves out.
    virtual std::size_t unwritableCharacters(const std::vector<PreparedField> &) const { return 0; }
};

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

/// Writes the table in the given format through a new file that replaces path only when complete.
/// When records were rejected, the ".log" report beside it is written first: a report that cannot be
/// written fails the save and leaves the previous file in place, as the rejected records would
/// otherwise exist nowhere. Every failure's message begins with fileInUseMessage and gives the reason.
SaveResult saveLog(const std::string &path, const LogTable &table, const SaveFormat &format,
    const SaveOptions &options, const SaveDefinitions &definitions, Progress &progress);

/// The text of the question that follows a save with rejected records.
std::string saveReportQuestion(const SaveResult &result, bool withFrequencyWarning);

/// What the operator must hear about characters the format left out; empty when there were none.
std::string droppedCharactersText(const SaveResult &result);

/// The text shown when the target cannot be written.
inline constexpr const char *fileInUseMessage
    = "Quillog cannot access the file because it is being used by another application.";

} // namespace quillog
