// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/UndoSteps.h"

#include "core/UndoJournal.h"
#include "tools/ToolResult.h"

namespace quillog
{

namespace
{

void record(UndoJournal &journal, UndoKind kind, int column, ToolResult &result)
{
    UndoRecord step;
    step.kind = kind;
    step.column = column;
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

} // namespace quillog
