// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/TableDump.h"

#include "core/LogTable.h"

namespace quillog
{

std::string escapedCell(std::string_view cell)
{
    std::string text;
    text.reserve(cell.size());
    for (const char c : cell) {
        switch (c) {
        case '\t':
            text += "\\t";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\\':
            text += "\\\\";
            break;
        default:
            text += c;
        }
    }
    return text;
}

std::string tableDump(const LogTable &table)
{
    std::string dump;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
            if (column > table.fixedColumnCount())
                dump += '\t';
            dump += escapedCell(table.text(row, column));
        }
        dump += '\n';
    }
    return dump;
}

} // namespace quillog
