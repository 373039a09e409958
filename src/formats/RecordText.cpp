// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordText.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "formats/AdiWriter.h"

#include <algorithm>

namespace quillog
{

namespace
{

template <typename AppendRow>
std::string selectedRowsText(const LogTable &table, int firstRow, int lastRow, AppendRow appendRow)
{
    std::string text;
    const int last = std::min(lastRow, table.rowCount() - 1);
    for (int row = std::max(firstRow, 1); row <= last; ++row) {
        if (table.rowHasSelectedCell(row, 0, table.columnCount() - 1))
            appendRow(text, row);
    }
    return text;
}

} // namespace

std::string adiRecordText(
    const LogTable &table, int firstRow, int lastRow, const SaveOptions &options, const TypeMap &typeMap)
{
    return selectedRowsText(table, firstRow, lastRow, [&](std::string &text, int row) {
        const std::size_t start = text.size();
        for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
            const std::string_view name = table.text(0, column);
            const std::string_view value = trimmed(table.text(row, column));
            if (name.empty() || value.empty())
                continue;
            char type = 0;
            if (options.typeIndicator) {
                if (const auto found = typeMap.find(toUpper(name)); found != typeMap.end())
                    type = found->second;
            }
            appendAdiTag(text, name, value.size(), type, options.lowerCase);
            text += value;
            text += ' ';
        }
        if (text.size() > start)
            text += options.lowerCase ? "<eor>\r\n" : "<EOR>\r\n";
    });
}

std::string csvRecordText(const LogTable &table, int firstRow, int lastRow, char separator)
{
    return selectedRowsText(table, firstRow, lastRow, [&](std::string &text, int row) {
        for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
            text += '"';
            // A quote inside a value is doubled, so that the value stays one CSV field.
            for (const char c : trimmed(table.text(row, column))) {
                if (c == '"')
                    text += '"';
                text += c;
            }
            text += '"';
            text += separator;
        }
        text += "\r\n";
    });
}

} // namespace quillog
