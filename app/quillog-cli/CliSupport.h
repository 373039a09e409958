// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"
#include "formats/LogReader.h"
#include "formats/SaveOptions.h"

#include <string>
#include <string_view>

namespace quillog
{
class LogTable;
struct ValueLists;
} // namespace quillog

namespace quillog::cli
{

/// Prints "quillog-cli: message" to stderr; returns the failure status.
int fail(const std::string &message);
/// Prints each line of text to stderr as a warning about path.
void warnLines(const std::string &path, std::string_view text);
/// Reads a log as convert reads it; prints the failure and returns false when it cannot be read.
/// options: what the read keeps (a per-record filter); "--ignore-brackets" is added from the line.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, ReadResult &result,
    ReadOptions options = {});
/// The operator's data folder, as the editor uses it.
std::string operatorFolder();
/// The folder of the running program, where the template resource is looked for.
std::string programFolder();
/// What the writers check against; false (after the message) when the checks need what is missing.
bool loadSaveDefinitions(const CliArguments &arguments, SaveDefinitions &save);
/// The writers' flags from the command line.
SaveOptions saveOptionsFrom(const CliArguments &arguments);
/// Writes the table to the second path as convert does, with the given writer flags; returns the exit status.
int writeLog(const CliArguments &arguments, const LogTable &table, const SaveDefinitions &definitions,
    const SaveOptions &options);
/// The same to another path.
int writeLogTo(const std::string &target, const CliArguments &arguments, const LogTable &table,
    const SaveDefinitions &definitions, const SaveOptions &options);

/// quillog-cli apply: the column tools as steps.
int apply(const CliArguments &arguments);
/// quillog-cli find: what Find All lists.
int find(const CliArguments &arguments);

} // namespace quillog::cli
