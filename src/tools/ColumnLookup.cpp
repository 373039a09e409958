// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnLookup.h"

#include "core/LogTable.h"
#include "core/Text.h"

namespace quillog
{

int leftmostColumnContaining(const LogTable &table, std::string_view word)
{
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        if (table.text(0, column).find(word) != std::string_view::npos)
            return column;
    }
    return -1;
}

int lastColumnNamed(const LogTable &table, std::string_view name)
{
    for (int column = table.columnCount() - 1; column >= table.fixedColumnCount(); --column) {
        if (trimmed(table.text(0, column)) == name)
            return column;
    }
    return -1;
}

bool isFieldColumn(const LogTable &table, int column)
{
    return column >= table.fixedColumnCount() && column < table.columnCount();
}

} // namespace quillog
