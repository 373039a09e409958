// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLog.h"

#include "CliSupport.h"
#include "formats/LogFileType.h"
#include "settings/RecentFiles.h"

#include <filesystem>

namespace quillog::cli
{

namespace
{

constexpr const char *notAdifMessage = "This file is not ADIF formatted.\nPlease use Import menu to open it.";

bool isEmptyFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0
        && !error;
}

// A table with the header row and nothing else, as a new log starts.
void startEmptyLog(LogTable &table)
{
    table.setColumnCount(1);
    table.setRowCount(1);
    table.setFixedRowCount(1);
}

bool readQsos(const std::string &path, const CliArguments &arguments, CommandLog &log, LogNeed need,
    const ReadOptions &options)
{
    if (needs(need, LogNeed::AdifOnly)) {
        bool wideSource = false;
        if (!isAdif(path, wideSource))
            return false;
    }
    if (needs(need, LogNeed::ForSaving))
        log.stamp = fileStamp(path);
    if (needs(need, LogNeed::EmptyIsNew) && isEmptyFile(path)) {
        startEmptyLog(log.table);
        return true;
    }
    return readLog(path, arguments, log.table, log.read, options);
}

} // namespace

bool openLog(const std::string &path, const CliArguments &arguments, CommandLog &log, LogNeed need,
    const ReadOptions &options)
{
    log.path = path;
    if (needs(need, LogNeed::ForSaving) && !loadSaveDefinitions(arguments, log.definitions))
        return false;
    if (!readQsos(path, arguments, log, need, options))
        return false;
    if (needs(need, LogNeed::RowNumbers) && !log.table.addRowNumbers()) {
        fail(notEnoughMemoryMessage);
        return false;
    }
    return true;
}

SaveOptions saveOptionsFor(const CliArguments &arguments, const CommandLog &log, const std::string &target)
{
    SaveOptions options = saveOptionsFrom(arguments);
    if (isSameFile(log.path, target))
        options.unchangedSince = log.stamp;
    return options;
}

bool isAdif(const std::string &path, bool &wideSource)
{
    const LogFileTypeResult result = detectLogFileType(path);
    wideSource = result.wideSource;
    if (result.type == LogFileType::TypeAdif)
        return true;
    fail(path + ": "
        + (result.type == LogFileType::TypeMissing ? std::string(missingRecentFileMessage) : notAdifMessage));
    return false;
}

} // namespace quillog::cli
