// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

enum class ValueListKind { Bands, Modes, Submodes };

/// The allowed values of BAND, MODE and SUBMODE, in the order read or entered (never sorted). A submode
/// entry reads "SUBMODE=MODE".
struct ValueLists {
    std::vector<std::string> bands, modes, submodes;

    std::vector<std::string> &list(ValueListKind kind);
    const std::vector<std::string> &list(ValueListKind kind) const;
};

/// The template resource section that holds a list's defaults.
int defaultListSection(ValueListKind kind);
/// The operator's file of a list in the data folder: "bands.lc", "modes.lc" or "submodes.lc".
std::string_view listFileName(ValueListKind kind);
std::string listFilePath(const std::string &dataFolder, ValueListKind kind);

/// The submode of a submode entry: the text before its first "=", the whole entry without one.
std::string_view submodeName(std::string_view entry);
/// The parent mode of a submode entry: the text after its first "=", empty without one.
std::string_view parentMode(std::string_view entry);

/// The entries of a list file: one per line (any line end), trimmed, empty lines skipped.
std::vector<std::string> parseListFile(std::string_view text);
/// The text of a list file: every non-empty entry followed by CR LF.
std::string listFileText(const std::vector<std::string> &entries);

/// The entries of a list file; nullopt when it cannot be read.
std::optional<std::vector<std::string>> readListFile(const std::string &path);
/// Writes a list file safely; false when it could not be written (the old file then stays).
bool writeListFile(const std::string &path, const std::vector<std::string> &entries);

/// A list's defaults from the template resource; empty when the file or the section is missing.
std::vector<std::string> readDefaultList(ValueListKind kind, const std::string &templatePath);
/// The list for editing or choosing: the operator's file when it can be read, else the defaults.
std::vector<std::string> readOneList(
    ValueListKind kind, const std::string &templatePath, const std::string &dataFolder);
/// Replaces each list whose operator file can be read by the file's entries, whole.
void applyOperatorLists(ValueLists &lists, const std::string &dataFolder);

} // namespace quillog
