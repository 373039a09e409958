// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogTable.h"

#include <string>
#include <vector>

namespace quillog::test
{

/// Every cell of a table, for comparing a table before and after.
inline std::vector<std::vector<std::string>> snapshot(const LogTable &table)
{
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            cells[static_cast<std::size_t>(row)].emplace_back(table.text(row, column));
    }
    return cells;
}

/// A loaded log: "#" column, then the given headers; one row per entry, numbered.
inline LogTable logOf(
    const std::vector<std::string> &header, const std::vector<std::vector<std::string>> &rows)
{
    LogTable table;
    table.setColumnCount(static_cast<int>(header.size()) + 1);
    table.setRowCount(static_cast<int>(rows.size()) + 1);
    table.setText(0, 0, "#");
    for (std::size_t c = 0; c < header.size(); ++c)
        table.setText(0, static_cast<int>(c) + 1, header[c]);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            table.setText(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    }
    table.setFixedColumnCount(1);
    table.numberRows();
    return table;
}

} // namespace quillog::test
