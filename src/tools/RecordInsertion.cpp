// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RecordInsertion.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "core/UndoJournal.h"
#include "formats/AdiScanner.h"

#include <map>
#include <string>

namespace quillog
{

namespace
{

// One record: its fields in order, names upper-cased.
struct Record {
    std::vector<std::pair<std::string, std::string_view>> fields;
};

std::vector<Record> splitRecords(std::string_view text)
{
    std::vector<Record> records(1);
    AdiScanner scanner(text);
    AdiField field;
    for (auto token = scanner.next(field); token != AdiScanner::Token::End; token = scanner.next(field)) {
        if (token == AdiScanner::Token::Field)
            records.back().fields.emplace_back(toUpper(field.name), field.value);
        else if (!records.back().fields.empty())
            records.emplace_back();
    }
    if (records.back().fields.empty())
        records.pop_back();
    return records;
}

// The field columns by header, the first of equal headers winning; "#" and empty headers are no fields.
std::map<std::string, int, std::less<>> fieldColumns(const LogTable &table)
{
    std::map<std::string, int, std::less<>> columns;
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        const std::string_view header = table.text(0, column);
        if (!header.empty() && header != "#")
            columns.emplace(std::string(header), column);
    }
    return columns;
}

int addColumn(LogTable &table, UndoJournal &journal, const std::string &name)
{
    const int column = table.columnCount();
    journal.addRecord({ UndoKind::ColumnInserted, -1, column, -1, {}, {}, {} });
    table.insertColumn("", column);
    journal.addRecord({ UndoKind::HeaderChange, -1, column, -1, {}, {}, {} });
    table.setText(0, column, name);
    return column;
}

void insertRecord(LogTable &table, UndoJournal &journal, int row, const Record &record,
    const std::map<std::string, int, std::less<>> &columns, bool ignoreBracket)
{
    journal.addRecord({ UndoKind::RowInserted, row, -1, -1, {}, {}, {} });
    table.insertRow("", row == table.rowCount() ? -1 : row);
    journal.addRecord({ UndoKind::RowSnapshot, row, -1, -1, {}, {}, {} });
    std::vector<bool> filled(static_cast<std::size_t>(table.columnCount()), false);
    for (const auto &[name, value] : record.fields) {
        const int column = columns.at(name);
        if (filled[static_cast<std::size_t>(column)])
            continue; // the first of equal fields counts
        filled[static_cast<std::size_t>(column)] = true;
        std::string text(value);
        if (ignoreBracket)
            std::erase_if(text, [](char c) { return c == '<' || c == '>'; });
        table.setText(row, column, text);
    }
}

bool isEmptyRow(const LogTable &table, int row)
{
    for (int column = 0; column < table.columnCount(); ++column) {
        if (!table.text(row, column).empty())
            return false;
    }
    return true;
}

// A fresh grid has rows without any text; they go, and with them its unnamed columns.
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
    if (table.fixedColumnCount() == 0) {
        table.insertColumn("#", 0);
        table.setFixedColumnCount(1);
    }
    if (table.rowCount() == 0)
        table.setRowCount(1);
    table.setText(0, 0, "#");
    table.setFixedRowCount(1);
}

// The text up to and including the first end-of-record tag: one QSO, whatever follows it.
std::string_view firstRecord(std::string_view text)
{
    AdiScanner scanner(text);
    AdiField field;
    for (auto token = scanner.next(field); token != AdiScanner::Token::End; token = scanner.next(field)) {
        if (token == AdiScanner::Token::EndOfRecord)
            return text.substr(0, scanner.position());
    }
    return text;
}

} // namespace

int countAdiRecords(std::string_view text)
{
    return static_cast<int>(splitRecords(text).size());
}

InsertedRecords insertAdiRecords(
    LogTable &table, UndoJournal &journal, std::string_view text, int atRow, bool ignoreBracket)
{
    InsertedRecords inserted;
    const std::vector<Record> records = splitRecords(text);
    if (records.empty())
        return inserted;
    auto columns = fieldColumns(table);
    for (const Record &record : records) {
        for (const auto &field : record.fields) {
            if (columns.count(field.first) == 0) {
                inserted.newColumns.push_back(addColumn(table, journal, field.first));
                columns.emplace(field.first, inserted.newColumns.back());
            }
        }
    }
    inserted.firstRow = atRow >= 1 && atRow < table.rowCount() ? atRow : table.rowCount();
    for (const Record &record : records)
        insertRecord(table, journal, inserted.firstRow + inserted.rows++, record, columns, ignoreBracket);
    if (table.fixedColumnCount() > 0)
        table.numberRows();
    return inserted;
}

InsertedRecords appendAdiRecord(
    LogTable &table, UndoJournal &journal, std::string_view record, bool ignoreBracket)
{
    ensureRowNumberColumn(table);
    removeEmptyRows(table);
    return insertAdiRecords(table, journal, firstRecord(record), -1, ignoreBracket);
}

} // namespace quillog
