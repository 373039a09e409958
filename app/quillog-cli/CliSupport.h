// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"
#include "formats/AdiReader.h"

#include <string>

namespace quillog
{
class LogTable;
}

namespace quillog::cli
{

/// True when the path names an ADX file (by its extension, letter case ignored).
bool isAdxPath(const std::string &path);
/// Prints the message to stderr after the program's name; returns ExitFailure.
int fail(const std::string &message);
/// Reads an ADI or ADX log; on failure prints why and returns false.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, AdiReadResult &result);
/// The folder of the running executable, where Templates.dat is looked for first.
std::string programFolder();
/// Gives the table the editor's fixed "#" column, so that row numbers are the ones the editor shows.
void addRowNumbers(LogTable &table);

} // namespace quillog::cli
