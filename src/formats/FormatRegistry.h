// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogFileType.h"

#include <span>
#include <string>
#include <string_view>

namespace quillog
{

class LogReader;
class LogWriter;

/// The refusal of a file whose kind no registered reader reads.
inline constexpr std::string_view cannotImportMessage = "Quillog cannot import this kind of log yet.";

/// What the file-type test made of a log and the reader that reads it.
struct ClassifiedLog {
    LogFileType type = LogFileType::TypeUnrecognised;
    bool wideSource = false; ///< UTF-16 text, read through a UTF-8 copy
    const LogReader *reader = nullptr; ///< null when the file is refused
    /// Why the file is refused, in the editor's words: it is missing, cannot be opened, or is of a kind
    /// the program does not read.
    std::string refusal;
};

/// Classifies the file at path by its content, as the editor's open and import do, and picks its
/// reader. A program without a window reads every kind the editor opens or imports.
ClassifiedLog classifyLog(const std::string &path);

/// One file format the program knows: how the file-type test names its files, how the file dialogs
/// offer it, and its reader and writer. Adding a format is its reader or writer in a file of its own
/// and one line in FormatRegistry.cpp.
struct LogFormat {
    std::string_view name; ///< "ADI", "ADX"
    /// What detectLogFileType() says of its files; TypeUnrecognised for a format that is only written.
    LogFileType type = LogFileType::TypeUnrecognised;
    /// The default extension without its dot; a save to a path ending in it uses this format's writer.
    std::string_view extension;
    /// The entry of the save dialog's filter ("Text|patterns|"); empty when the format is not offered.
    std::string_view saveFilter;
    /// The entry of the import dialog's filter; empty when the format is not imported.
    std::string_view importFilter;
    const LogReader *reader = nullptr; ///< null when the program does not read the format
    const LogWriter *writer = nullptr; ///< null when the program does not write it
};

/// Every registered format, in the order the file dialogs list them.
std::span<const LogFormat> logFormats();

/// The format the file-type test found, or null when none is registered for it.
const LogFormat *formatOfType(LogFileType type);

/// The reader for a file of that type, or null when the program cannot read it. Text the file-type test
/// does not recognise is read as a character grid.
const LogReader *readerFor(LogFileType type);

/// The reader of any text cut into one cell per character (also for a TRLOG listing the operator does
/// not want read as one).
const LogReader &textGridReader();

/// The format of a save to path: the one offered in the save dialog whose extension the path ends with
/// (letter case ignored), else ADI. It always has a writer.
const LogFormat &formatForSavePath(std::string_view path);

/// The same among every format with a writer, CSV included: what a conversion to path writes.
const LogFormat &formatForOutputPath(std::string_view path);

/// True when path ends with "." and extension, letter case ignored.
bool hasExtension(std::string_view path, std::string_view extension);

/// The filters of the file dialogs, "Text|patterns|" entries ending with "All Log files (*.*)|*.*|"
/// (the import dialog's starting with it).
std::string openDialogFilter();
std::string saveDialogFilter();
std::string importDialogFilter();

} // namespace quillog
