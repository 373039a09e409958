// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"
#include "formats/LogReader.h"
#include "formats/SaveOptions.h"

#include <string>

namespace quillog
{
class LogTable;
} // namespace quillog

namespace quillog::cli
{

enum ExitStatus { ExitSuccess = 0, ExitProblemsFound = 1, ExitFailure = 2 };

const char *usageText();

int runCommand(const CliArguments &arguments);

/// Prints "quillog-cli: message" (on one line) to stderr; returns ExitFailure.
int fail(const std::string &message);
/// Reads a log as the editor does (kind by content, UTF-16 through a copy); prints why it cannot.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, ReadResult &result,
    ReadOptions options = {});
/// The writing flags of the command line.
SaveOptions saveOptionsFrom(const CliArguments &arguments);
/// What the writers check against; false (after the message) when the checks need what is missing.
bool loadSaveDefinitions(const CliArguments &arguments, SaveDefinitions &save);
/// Writes the table to target in the format of its extension, as convert does; the exit status.
int writeLog(const std::string &target, const LogTable &table, const CliArguments &arguments,
    const SaveDefinitions &definitions);

} // namespace quillog::cli
