// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnsFile.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/ColumnStructure.h"
#include "tools/UndoSteps.h"

#include <algorithm>

namespace quillog
{

namespace
{

// A column list is a few dozen short lines; anything far larger is not one.
constexpr std::size_t kLargestColumnsFile = 1 << 20;

bool isUsableTag(std::string_view tag)
{
    // Field names are printable ASCII.
    return !tag.empty() && isWritableFieldName(tag)
        && std::all_of(tag.begin(), tag.end(), [](char c) { return c > ' ' && c < '\x7f'; });
}

// True when one of the table's first field columns (before any was added) is headed exactly so.
bool hasFieldColumn(const LogTable &table, int columnsBefore, std::string_view tag)
{
    for (int column = 1; column < columnsBefore; ++column) {
        if (table.text(0, column) == tag)
            return true;
    }
    return false;
}

bool saveColumnsFile(const std::string &path, std::string_view text, std::string &error)
{
    SafeFile file(path);
    if (file.open() && file.write(text) && file.commit())
        return true;
    error = file.errorText();
    file.abandon();
    return false;
}

} // namespace

std::vector<ColumnEntry> parseColumnsFile(std::string_view bytes)
{
    std::vector<ColumnEntry> entries;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string_view line = trimmed(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t colon = line.find(':');
        ColumnEntry entry;
        entry.tag = trimmed(colon == std::string_view::npos ? line : line.substr(0, colon));
        entry.text = colon == std::string_view::npos ? line : line.substr(colon + 1);
        if (isUsableTag(entry.tag))
            entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<ColumnEntry> readColumnsFile(const std::string &path)
{
    const FileBytes file = readFileBytes(path);
    if (!file.ok || file.bytes.size() > kLargestColumnsFile)
        return {};
    return parseColumnsFile(std::string_view(file.bytes.data(), file.bytes.size()));
}

std::string columnsFileText(const std::vector<ColumnEntry> &entries)
{
    std::string text;
    std::vector<std::string> written;
    for (const ColumnEntry &entry : entries) {
        std::string tag = toUpper(entry.tag);
        if (tag.empty() || tag.front() == '#'
            || std::find(written.begin(), written.end(), tag) != written.end())
            continue;
        text += tag + ":" + entry.text + "\r\n";
        written.push_back(std::move(tag));
    }
    return text;
}

ToolResult addMultipleColumns(LogTable &table, UndoJournal &journal, const std::vector<ColumnEntry> &entries,
    int position, const std::string &path)
{
    const std::string text = columnsFileText(entries);
    std::string error;
    const bool saved = saveColumnsFile(path, text, error);
    const int columnsBefore = table.columnCount();
    const int at = position < 1 ? columnsBefore : std::min(position, columnsBefore);
    ToolResult result;
    for (const ColumnEntry &entry : parseColumnsFile(text)) {
        if (hasFieldColumn(table, columnsBefore, entry.tag))
            continue;
        const int added = table.insertColumn(entry.tag, at);
        if (added < 0)
            continue;
        recordColumnInserted(journal, added, result);
        for (int row = 1; row < table.rowCount(); ++row)
            table.setText(row, added, entry.text);
        recordColumnSnapshot(journal, added, result);
    }
    // Each column went in at the same place, so together they fill the columns from there on.
    for (int column = at; column < at + static_cast<int>(result.insertedColumns.size()); ++column)
        result.insertedColumns[static_cast<std::size_t>(column - at)] = column;
    result.columnsToFit = result.insertedColumns;
    if (!saved) {
        result.message = "Cannot save the column list " + path + ": " + error;
        result.messageKind = BoxKind::Warning;
    }
    return result;
}

} // namespace quillog
