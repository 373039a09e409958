// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogTable.h"

#include <string>
#include <vector>

namespace quillog::test
{

/// A log as the editor holds it after a load: the fixed "#" column, then the given headers and rows.
inline LogTable logOf(
    const std::vector<std::string> &headers, const std::vector<std::vector<std::string>> &rows)
{
    LogTable table;
    table.setRowCount(static_cast<int>(rows.size()) + 1);
    table.setColumnCount(static_cast<int>(headers.size()) + 1);
    table.setText(0, 0, "#");
    for (std::size_t column = 0; column < headers.size(); ++column)
        table.setText(0, static_cast<int>(column) + 1, headers[column]);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column)
            table.setText(static_cast<int>(row) + 1, static_cast<int>(column) + 1, rows[row][column]);
    }
    table.setFixedColumnCount(1);
    table.numberRows();
    return table;
}

/// The usual columns of a QSO, in this order.
inline const std::vector<std::string> qsoHeaders = { "CALL", "QSO_DATE", "TIME_ON", "BAND", "FREQ", "MODE" };

} // namespace quillog::test
