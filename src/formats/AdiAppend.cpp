// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LogTable.h"
#include "core/Text.h"
#include "formats/AdiReader.h"
#include "formats/AdiScanner.h"

#include <algorithm>

namespace quillog
{

namespace
{

bool isEmptyRow(const LogTable &table, int row)
{
    for (int column = 0; column < table.columnCount(); ++column) {
        if (!table.text(row, column).empty())
            return false;
    }
    return true;
}

// Removes the rows without any text, as a fresh grid has; when no QSO row is left, the log was empty
// and its field columns go as well.
void removeEmptyRows(LogTable &table)
{
    bool removed = false;
    for (int row = table.rowCount() - 1; row >= 1; --row) {
        if (isEmptyRow(table, row)) {
            table.deleteRow(row);
            removed = true;
        }
    }
    if (removed && table.rowCount() <= 1) {
        while (table.columnCount() > table.fixedColumnCount())
            table.deleteColumn(table.columnCount() - 1);
    }
}

void ensureRowNumberColumn(LogTable &table)
{
    if (table.fixedColumnCount() > 0)
        return;
    table.insertColumn("#", 0);
    table.setFixedColumnCount(1);
}

std::vector<std::string> fieldNames(std::string_view record)
{
    std::vector<std::string> names;
    AdiScanner scanner(record);
    AdiField field;
    for (auto token = scanner.next(field); token != AdiScanner::Token::End; token = scanner.next(field)) {
        if (token != AdiScanner::Token::Field)
            continue;
        std::string name = toUpper(field.name);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(std::move(name));
    }
    return names;
}

} // namespace

AppendedRecord appendAdiRecord(LogTable &table, std::string_view record, bool ignoreBracket)
{
    AppendedRecord appended;
    ensureRowNumberColumn(table);
    removeEmptyRows(table);
    if (table.rowCount() == 0)
        table.setRowCount(1);
    table.setText(0, 0, "#");
    table.setFixedRowCount(1);

    const std::vector<std::string> names = fieldNames(record);
    for (const std::string &name : names) {
        if (table.findColumn(name) < 0)
            appended.newColumns.push_back(table.insertColumn(name));
    }
    appended.row = table.insertRow("");
    for (const std::string &name : names) {
        if (const auto value = extractAdiValue(record, name, ignoreBracket))
            table.setText(appended.row, table.findColumn(name), *value);
    }
    table.numberRows();
    return appended;
}

} // namespace quillog
