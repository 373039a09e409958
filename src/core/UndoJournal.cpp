// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/UndoJournal.h"

#include "core/LogTable.h"

#include <utility>

namespace quillog
{

void PackedCells::append(std::string_view text)
{
    m_bytes.append(text);
    m_ends.push_back(m_bytes.size());
}

std::string_view PackedCells::at(std::size_t index) const
{
    if (index >= m_ends.size())
        return {};
    const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
    return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
}

void PackedCells::clear()
{
    m_bytes.clear();
    m_ends.clear();
}

UndoJournal::UndoJournal(LogTable &table)
    : m_table(table)
{
}

void UndoJournal::addRecord(UndoRecord record)
{
    m_records.resize(static_cast<std::size_t>(m_current + 1));
    if (m_saved > m_current)
        m_saved = unreachable; // the saved state was in the dropped branch and can never come back
    capture(record);
    m_records.push_back(std::move(record));
    m_current = static_cast<int>(m_records.size()) - 1;
}

void UndoJournal::addSortRecord(std::vector<int> newOrder, int previousSortColumn, bool previousSortAscending)
{
    UndoRecord record;
    record.kind = UndoKind::SortChange;
    record.column = previousSortColumn;
    record.row = previousSortAscending ? 1 : 0;
    record.rowOrder = std::move(newOrder);
    addRecord(std::move(record));
}

void UndoJournal::clear()
{
    m_records.clear();
    m_current = -1;
    m_saved = -1;
}

void UndoJournal::capture(UndoRecord &record) const
{
    record.cells.clear();
    switch (record.kind) {
    case UndoKind::ColumnDeleted:
        record.extra = widthOf(record.column);
        packColumn(record.column, record.cells);
        break;
    case UndoKind::ColumnSnapshot:
        packColumn(record.column, record.cells);
        break;
    case UndoKind::RowDeleted:
    case UndoKind::RowSnapshot:
        packRow(record.row, record.cells);
        break;
    case UndoKind::HeaderChange:
        record.cells.append(m_table.text(0, record.column));
        break;
    default:
        break;
    }
}

UndoEffect UndoJournal::undo()
{
    if (!canUndo())
        return {};
    UndoRecord &record = m_records[static_cast<std::size_t>(m_current--)];
    return apply(record, true);
}

UndoEffect UndoJournal::redo()
{
    if (!canRedo())
        return {};
    UndoRecord &record = m_records[static_cast<std::size_t>(++m_current)];
    return apply(record, false);
}

UndoEffect UndoJournal::apply(UndoRecord &record, bool undoing)
{
    UndoEffect effect { true, record.kind, record.row, record.column, record.extra, false };
    const bool inserts
        = (record.kind == UndoKind::ColumnInserted || record.kind == UndoKind::RowInserted) != undoing;
    switch (record.kind) {
    case UndoKind::ColumnInserted:
    case UndoKind::ColumnDeleted:
        if (inserts) {
            m_table.insertColumn("", record.column);
            unpackColumn(record.column, record.cells);
        } else {
            m_table.deleteColumn(record.column);
        }
        break;
    case UndoKind::RowInserted:
    case UndoKind::RowDeleted:
        if (inserts) {
            m_table.insertRow("", record.row >= m_table.rowCount() ? -1 : record.row);
            unpackRow(record.row, record.cells);
        } else {
            m_table.deleteRow(record.row);
        }
        renumber();
        effect.rowsChanged = true;
        break;
    default:
        swap(record);
        effect.width = record.kind == UndoKind::HeaderChange ? -1 : record.extra;
        break;
    }
    return effect;
}

// Kinds 5 to 9 exchange the table's present state with the record's, so that the record then holds
// what the next undo or redo needs.
void UndoJournal::swap(UndoRecord &record)
{
    PackedCells present;
    switch (record.kind) {
    case UndoKind::ColumnSnapshot:
        packColumn(record.column, present);
        unpackColumn(record.column, record.cells);
        break;
    case UndoKind::RowSnapshot:
        packRow(record.row, present);
        unpackRow(record.row, record.cells);
        break;
    case UndoKind::HeaderChange:
        present.append(m_table.text(0, record.column));
        m_table.setText(0, record.column, record.cells.at(0));
        record.extra = widthOf(record.column);
        break;
    case UndoKind::CellChange: {
        std::string old(m_table.text(record.row, record.column));
        m_table.setText(record.row, record.column, record.text);
        record.text = std::move(old);
        return;
    }
    case UndoKind::SortChange: {
        // Undoing puts every row back where it was; the inverse order then serves the redo.
        std::vector<int> inverse(record.rowOrder.size(), 0);
        for (std::size_t i = 0; i < record.rowOrder.size(); ++i)
            inverse[static_cast<std::size_t>(record.rowOrder[i])] = static_cast<int>(i);
        m_table.reorderRows(inverse);
        record.rowOrder = std::move(inverse);
        const int column = m_table.lastSortColumn();
        const bool ascending = m_table.lastSortAscending();
        m_table.setLastSort(record.column, record.row != 0);
        record.column = column;
        record.row = ascending ? 1 : 0;
        return;
    }
    default:
        return;
    }
    record.cells = std::move(present);
}

void UndoJournal::packColumn(int column, PackedCells &cells) const
{
    for (int row = 0; row < m_table.rowCount(); ++row)
        cells.append(m_table.text(row, column));
}

void UndoJournal::packRow(int row, PackedCells &cells) const
{
    for (int column = 0; column < m_table.columnCount(); ++column)
        cells.append(m_table.text(row, column));
}

void UndoJournal::unpackColumn(int column, const PackedCells &cells)
{
    for (int row = 0; row < m_table.rowCount(); ++row)
        m_table.setText(row, column, cells.at(static_cast<std::size_t>(row)));
}

void UndoJournal::unpackRow(int row, const PackedCells &cells)
{
    for (int column = 0; column < m_table.columnCount(); ++column)
        m_table.setText(row, column, cells.at(static_cast<std::size_t>(column)));
}

void UndoJournal::renumber()
{
    if (m_table.fixedColumnCount() > 0)
        m_table.numberRows();
}

} // namespace quillog
