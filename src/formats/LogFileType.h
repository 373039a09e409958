// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog
{

/// What a log file holds, judged by its content. The numbers are those the import commands use.
enum class LogFileType {
    TypeMissing = -1,
    TypeUnrecognised = 0,
    TypeAdif = 1,
    TypeAdx = 2,
    TypeCabrillo = 3,
    TypeCtBinary = 4,
    TypeTrlogTable = 5,
    TypeCsv = 6,
    TypeTabSeparated = 7,
};

struct LogFileTypeResult {
    LogFileType type = LogFileType::TypeUnrecognised;
    /// The file holds UTF-16 text: the readers must read a UTF-8 copy of it (makeUtf8Copy()).
    bool wideSource = false;
    /// Set when the file exists but cannot be read: the warning for the caller to show.
    std::string message;
};

inline constexpr std::string_view cannotOpenFileMessage = "Can't open selected file.";

/// Classifies the file at path by its content. The first marker in byte order decides: an ADIF
/// end-of-header or end-of-record tag, a Cabrillo "QSO:", an ADX "<adx", a TRLOG " ---- " rule, or
/// UTF-16 text (converted, then scanned again). Without a marker, lines full of commas, semicolons
/// or tabs make a CSV or tab-separated file, and a name containing ".csv" needs fewer of them.
LogFileTypeResult detectLogFileType(const std::string &path);

/// The same test on the bytes of a file; path is only used for its ".csv". Takes any bytes.
LogFileTypeResult detectLogFileTypeInBytes(std::string_view bytes, std::string_view path);

} // namespace quillog
