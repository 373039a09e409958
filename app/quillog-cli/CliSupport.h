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

/// Prints "quillog-cli: message" to stderr; returns the failure status.
int fail(const std::string &message);
/// Reads a log as the editor would, its kind judged by its content; prints the failure and returns false
/// when it cannot be read.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, ReadResult &result);
/// The folder of the running program, where the template resource is looked for.
std::string programFolder();
/// The writing flags of the command line.
SaveOptions saveOptionsFrom(const CliArguments &arguments);
/// What the writers check against; false (after the message) when the checks need what is missing.
bool loadSaveDefinitions(const CliArguments &arguments, SaveDefinitions &save);

} // namespace quillog::cli
