// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"
#include "core/FileIo.h"
#include "core/LogTable.h"
#include "formats/LogReader.h"
#include "formats/SaveOptions.h"

#include <optional>
#include <string>

namespace quillog::cli
{

/// What a command needs besides the log's QSOs; combined with |.
enum class LogNeed : unsigned {
    Qsos = 0,
    /// The command writes the log out: what the writers check against is loaded before the log is read
    /// (a missing template stops it first), and the file's stamp is taken before the read.
    ForSaving = 1u << 0,
    /// Only an ADIF file, as Merge and Open Filtered take it.
    AdifOnly = 1u << 1,
    /// An empty file is a new log without QSOs, as the editor's add takes it.
    EmptyIsNew = 1u << 2,
    /// The row numbers in a fixed first column, the table the editor works on.
    RowNumbers = 1u << 3,
};

constexpr LogNeed operator|(LogNeed a, LogNeed b)
{
    return static_cast<LogNeed>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

constexpr bool needs(LogNeed all, LogNeed one)
{
    return (static_cast<unsigned>(all) & static_cast<unsigned>(one)) != 0;
}

/// The log a command works on, and what it needs to write it out again.
struct CommandLog {
    std::string path;
    LogTable table;
    ReadResult read;
    SaveDefinitions definitions; ///< loaded only ForSaving
    std::optional<FileStamp> stamp; ///< the file as it was read, ForSaving
};

/// Opens the log at path with what the command needs; false (after the message) when it cannot be had.
/// options: what the read keeps; "--ignore-brackets" and "--comma-freq" come from the command line.
bool openLog(const std::string &path, const CliArguments &arguments, CommandLog &log,
    LogNeed need = LogNeed::Qsos, const ReadOptions &options = {});

/// The writers' flags for writing the log to target. Written over the file it was read from, the save
/// requires the file still as it was read, so that QSOs another program added meanwhile are not lost.
SaveOptions saveOptionsFor(const CliArguments &arguments, const CommandLog &log, const std::string &target);

/// An ADIF file as Merge and Open Filtered take it; prints the refusal otherwise. wideSource: UTF-16 text.
bool isAdif(const std::string &path, bool &wideSource);

} // namespace quillog::cli
