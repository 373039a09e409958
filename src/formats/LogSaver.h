// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogWriter.h"
#include "formats/RecordChecks.h"
#include "formats/SaveOptions.h"

#include <string>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;

/// The layout of a tagged file format (ADI, ADX): its header, its records and its closing lines. Its
/// save goes through saveLog(), with the record checks and the save report.
class SaveFormat : public LogWriter
{
public:
    SaveResult write(const std::string &path, const LogTable &table, const SaveOptions &options,
        const SaveDefinitions &definitions, Progress &progress) const override;
    virtual void appendHeader(
        std::string &out, const SaveOptions &options, const SaveDefinitions &definitions) const = 0;
    /// The record's text without its line end; the save report quotes it the same way.
    virtual void appendRecord(
        std::string &out, const std::vector<PreparedField> &fields, const SaveOptions &options) const = 0;
    virtual void appendFooter(std::string &out, const SaveOptions &options) const = 0;
    /// How many characters of the fields the layout cannot carry and leaves out.
    virtual std::size_t unwritableCharacters(const std::vector<PreparedField> &) const { return 0; }
};

/// Writes the table in the given format through a new file that replaces path only when complete.
/// When records were rejected, the ".log" report beside it is written first: a report that cannot be
/// written fails the save and leaves the previous file in place, as the rejected records would
/// otherwise exist nowhere. Every failure's message begins with fileInUseMessage and gives the reason.
SaveResult saveLog(const std::string &path, const LogTable &table, const SaveFormat &format,
    const SaveOptions &options, const SaveDefinitions &definitions, Progress &progress);

/// Writes the save report (each rejected record with its heading, CR LF after each) safely to path;
/// returns why it could not, empty when it could.
std::string writeSaveReport(const std::string &path, const std::vector<std::string> &errors);

/// The text of the question that follows a save with rejected records.
std::string saveReportQuestion(const SaveResult &result, bool withFrequencyWarning);

/// The text shown when the target cannot be written.
inline constexpr const char *fileInUseMessage
    = "Quillog cannot access the file because it is being used by another application.";

} // namespace quillog
