// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LogSaver.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/SavedRecords.h"

namespace quillog
{

std::string writeSaveReport(const std::string &path, const std::vector<std::string> &errors)
{
    SafeFile file(path);
    if (!file.open())
        return file.reason();
    std::string text;
    for (const std::string &error : errors)
        text += error + "\r\n";
    if (!file.write(text) || !file.commit())
        return file.reason();
    return {};
}

namespace
{

SaveResult &failed(SaveResult &result, const SafeFile &file)
{
    result.message = std::string(fileInUseMessage) + "\n" + file.reason();
    return result;
}

} // namespace

SaveResult saveLog(const std::string &path, const LogTable &table, const SaveFormat &format,
    const SaveOptions &options, const SaveDefinitions &definitions, Progress &progress)
{
    SaveResult result;
    SafeFile file(path);
    if (options.unchangedSince)
        file.requireUnchanged(*options.unchangedSince);
    if (!file.open())
        return failed(result, file);
    std::string out;
    format.appendHeader(out, options, definitions);
    if (!file.write(out))
        return failed(result, file);
    bool writeFailed = false;
    const bool finished = walkSavedRecords(
        table, format, options, definitions, progress, result, [&](const SavedBlock &block) {
            result.written += static_cast<int>(block.records());
            writeFailed = !file.write(block.text);
            return !writeFailed;
        });
    if (!finished) {
        result.stopped = true;
        result.message = "The save was stopped; the file was not changed.";
        return result;
    }
    if (writeFailed)
        return failed(result, file);
    out.clear();
    format.appendFooter(out, options);
    if (!file.write(out))
        return failed(result, file);
    // Once the file is replaced, the rejected records exist only in the report: it comes first.
    if (!result.errors.empty()) {
        const std::string reportPath = path + ".log";
        if (const std::string why = writeSaveReport(reportPath, result.errors); !why.empty()) {
            result.message = "The rejected QSOs cannot be listed in " + reportPath + ".\n" + why
                + "\nThe log was not saved, so that they are not lost.";
            return result;
        }
        result.reportPath = reportPath;
    }
    if (!file.commit())
        return failed(result, file);
    progress.setPercent(100);
    result.ok = true;
    return result;
}

SaveResult SaveFormat::write(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress) const
{
    return saveLog(path, table, *this, options, definitions, progress);
}

std::string saveReportQuestion(const SaveResult &result, bool withFrequencyWarning)
{
    std::string text = "Saved ADIF entries: " + std::to_string(result.written)
        + "\t\nErrors: " + std::to_string(result.errors.size()) + "\t\t\t";
    if (withFrequencyWarning && result.frequencyWithoutSeparator)
        text += "\r\n\r\nWarning: Some FREQ entries contain no comma and may be not in KHz format.";
    if (!result.reportPath.empty())
        text += "\n\nDo you want to see the log?";
    return text;
}

} // namespace quillog
