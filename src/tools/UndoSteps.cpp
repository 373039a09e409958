// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/UndoSteps.h"

#include "core/UndoJournal.h"
#include "tools/ToolResult.h"

namespace quillog
{

namespace
{

void record(UndoJournal &journal, UndoKind kind, int column, ToolResult &result, int row = -1, int extra = -1)
{
    UndoRecord step;
    step.kind = kind;
    step.row = row;
    step.column = column;
    step.extra = extra;
    journal.addRecord(std::move(step));
    ++result.undoRecords;
}

} // namespace

void recordColumnSnapshot(UndoJournal &journal, int column, ToolResult &result)
{
    record(journal, UndoKind::ColumnSnapshot, column, result);
}

void recordColumnInserted(UndoJournal &journal, int column, ToolResult &result)
{
    record(journal, UndoKind::ColumnInserted, column, result);
    result.insertedColumns.push_back(column);
}

void recordColumnInserted(UndoJournal &journal, int column, int width, ToolResult &result)
{
    record(journal, UndoKind::ColumnInserted, column, result, -1, width);
    result.insertedColumns.push_back(column);
}

void recordColumnDeleted(UndoJournal &journal, int column, ToolResult &result)
{
    record(journal, UndoKind::ColumnDeleted, column, result);
    result.removedColumns.push_back(column);
}

void recordHeaderChange(UndoJournal &journal, int column, ToolResult &result)
{
    record(journal, UndoKind::HeaderChange, column, result);
}

void recordRowInserted(UndoJournal &journal, int row, ToolResult &result)
{
    record(journal, UndoKind::RowInserted, -1, result, row);
    result.rowsChanged = true;
}

void recordRowDeleted(UndoJournal &journal, int row, ToolResult &result)
{
    record(journal, UndoKind::RowDeleted, -1, result, row);
    result.rowsChanged = true;
}

void recordRowSnapshot(UndoJournal &journal, int row, ToolResult &result)
{
    record(journal, UndoKind::RowSnapshot, -1, result, row);
}

} // namespace quillog
