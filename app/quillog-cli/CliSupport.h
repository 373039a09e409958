// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"
#include "formats/LogReader.h"

#include <string>

namespace quillog
{
class LogTable;
}

namespace quillog::cli
{

/// A message on one line: its paragraphs joined by blanks.
std::string oneLine(std::string text);
/// Prints the message to stderr after the program's name; returns ExitFailure.
int fail(const std::string &message);
/// Reads the log as the editor would: its kind judged by its content, UTF-16 read through a copy. On
/// failure prints why and returns false.
bool readLog(const std::string &path, const CliArguments &arguments, LogTable &table, ReadResult &result);
/// The folder of the running executable, where Templates.dat is looked for first.
std::string programFolder();

} // namespace quillog::cli
