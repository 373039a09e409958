// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"
#include "formats/AdiReader.h"
#include "formats/SaveOptions.h"

#include <string>

namespace quillog
{
class LogTable;
} // namespace quillog

namespace quillog::cli
{

/// True when the path names an ADX file (by its extension, letter case ignored).
bool isAdxPath(const std::string &path);
/// Prints "quillog-cli: message" to stderr; returns the failure status.
int fail(const std::string &message);
/// Reads a log as convert reads it; prints the failure and returns false when it cannot be read.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, AdiReadResult &result);
/// The operator's data folder, as the editor uses it.
std::string dataFolder();
/// The folder of the running program, where the template resource is looked for.
std::string programFolder();
/// The writing flags of the command line.
SaveOptions saveOptionsFrom(const CliArguments &arguments);
/// What the writers check against; false (after the message) when the checks need what is missing.
bool loadSaveDefinitions(const CliArguments &arguments, SaveDefinitions &save);

} // namespace quillog::cli
