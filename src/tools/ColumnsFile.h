// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class UndoJournal;

/// The file in the data folder that keeps the prepared columns of Add Multiple Columns.
inline constexpr std::string_view kColumnsFileName = "columns.txt";

/// One prepared column: its field name and the text every QSO gets.
struct ColumnEntry {
    std::string tag;
    std::string text;
    bool operator==(const ColumnEntry &) const = default;
};

/// The entries of the file's text: one per line "TAG:TEXT", each line trimmed; a line without ":"
/// is both tag and text; the tag is trimmed; empty lines, lines starting with "#" and lines whose tag is
/// empty or no writable field name are left out.
std::vector<ColumnEntry> parseColumnsFile(std::string_view bytes);
/// The entries of the file; none when it is missing, unreadable or larger than a column list can be.
std::vector<ColumnEntry> readColumnsFile(const std::string &path);
/// The file's text for the entries: tags upper-cased, each tag once, tags starting with "#" or empty
/// left out, lines ending in CR LF.
std::string columnsFileText(const std::vector<ColumnEntry> &entries);

/// Add Multiple Columns after OK: saves the confirmed entries as the new column list (a new file, then
/// renamed over the old one) and inserts a column for each entry whose tag no field column has yet, all
/// at the position (the end when it is below 1), so they end up in the reverse order of the list. A
/// list that cannot be saved gives a warning; the confirmed columns are inserted all the same.
ToolResult addMultipleColumns(LogTable &table, UndoJournal &journal, const std::vector<ColumnEntry> &entries,
    int position, const std::string &path);

} // namespace quillog
