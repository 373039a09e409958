// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnMove.h"

#include "core/LogTable.h"
#include "core/UndoJournal.h"

namespace quillog
{

namespace
{

bool isFieldColumn(const LogTable &table, int column)
{
    return column >= table.fixedColumnCount() && column < table.columnCount();
}

void copyColumn(LogTable &table, int from, int to)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        table.setText(row, to, table.text(row, from));
        table.setBackgroundColour(row, to, table.backgroundColour(row, from));
        table.setItemData(row, to, table.itemData(row, from));
    }
}

} // namespace

int moveColumn(LogTable &table, UndoJournal &journal, int from, int to, int width)
{
    if (from == to || !isFieldColumn(table, from) || !isFieldColumn(table, to))
        return -1;
    // The copy goes in before the column at its target (after it when moving right); the original
    // then sits one further along when the copy went in before it.
    const int inserted = to > from ? to + 1 : to;
    const int original = to > from ? from : from + 1;
    journal.addRecord({ UndoKind::ColumnInserted, -1, inserted, width, {}, {}, {} });
    table.insertColumn("", inserted);
    journal.addRecord({ UndoKind::ColumnSnapshot, -1, inserted, width, {}, {}, {} });
    copyColumn(table, original, inserted);
    journal.addRecord({ UndoKind::ColumnDeleted, -1, original, width, {}, {}, {} });
    table.deleteColumn(original);
    return to;
}

} // namespace quillog
