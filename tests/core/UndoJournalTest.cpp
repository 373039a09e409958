// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/UndoJournal.h"

#include "TableSnapshot.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

LogTable sampleLog()
{
    return logOf({ "CALL", "COMMENT", "QSO_DATE" },
        { { "AB1C", "  padded  ", "20240301" }, { "K1AB", "bad\xb0 degree", "20240101" },
            { "W1AW", "", "20240101" } });
}

UndoRecord record(UndoKind kind, int row, int column)
{
    UndoRecord r;
    r.kind = kind;
    r.row = row;
    r.column = column;
    return r;
}

} // namespace

TEST(UndoJournal, EveryKindUndoesAndRedoesExactly)
{
    struct Case {
        const char *name;
        UndoKind kind;
        int row, column;
        void (*change)(LogTable &);
    };
    for (const Case &c :
        {
            Case { "cell", UndoKind::CellChange, 2, 2, [](LogTable &t) { t.setText(2, 2, "edited"); } },
            Case { "column snapshot (trim)", UndoKind::ColumnSnapshot, -1, 2,
                [](LogTable &t) {
                    t.setText(1, 2, "padded");
                    t.setText(2, 2, "bad degree");
                } },
            Case { "row snapshot", UndoKind::RowSnapshot, 1, -1,
                [](LogTable &t) {
                    t.setText(1, 1, "");
                    t.setText(1, 2, "x");
                } },
            Case { "header", UndoKind::HeaderChange, -1, 1, [](LogTable &t) { t.setText(0, 1, "call"); } },
            Case { "column deleted", UndoKind::ColumnDeleted, -1, 2, [](LogTable &t) { t.deleteColumn(2); } },
            Case { "row deleted", UndoKind::RowDeleted, 2, -1,
                [](LogTable &t) {
                    t.deleteRow(2);
                    t.numberRows();
                } },
            Case { "column inserted (its header comes with a HeaderChange)", UndoKind::ColumnInserted, -1, 4,
                [](LogTable &t) { t.insertColumn(""); } },
            Case { "row inserted", UndoKind::RowInserted, 4, -1,
                [](LogTable &t) {
                    t.insertRow("");
                    t.numberRows();
                } },
        }) {
        LogTable table = sampleLog();
        UndoJournal journal(table);
        const auto before = snapshot(table);
        UndoRecord added = record(c.kind, c.row, c.column);
        if (c.kind == UndoKind::CellChange)
            added.text = std::string(table.text(c.row, c.column)); // the grid hands over the old text
        journal.addRecord(std::move(added));
        c.change(table);
        const auto after = snapshot(table);
        ASSERT_TRUE(journal.undo().applied) << c.name;
        EXPECT_EQ(snapshot(table), before) << c.name;
        ASSERT_TRUE(journal.redo().applied) << c.name;
        EXPECT_EQ(snapshot(table), after) << c.name;
        journal.undo();
        EXPECT_EQ(snapshot(table), before) << c.name << " (second undo)";
    }
}

TEST(UndoJournal, SortUndoRestoresTheExactOrder)
{
    LogTable table = sampleLog();
    UndoJournal journal(table);
    const auto before = snapshot(table);
    const int lastColumn = table.lastSortColumn();
    const bool lastAscending = table.lastSortAscending();
    journal.addSortRecord(table.sortByColumn(3, true), lastColumn, lastAscending);
    const auto sorted = snapshot(table);
    ASSERT_NE(sorted, before);
    journal.undo();
    EXPECT_EQ(snapshot(table), before) << "rows with equal dates come back in their own order";
    EXPECT_EQ(table.lastSortColumn(), lastColumn);
    journal.redo();
    EXPECT_EQ(snapshot(table), sorted);
    EXPECT_EQ(table.lastSortColumn(), 3);
}

TEST(UndoJournal, ModifiedFollowsTheSavedPosition)
{
    LogTable table = sampleLog();
    UndoJournal journal(table);
    EXPECT_FALSE(journal.isModified());
    EXPECT_FALSE(journal.canUndo());
    journal.addRecord(record(UndoKind::ColumnSnapshot, -1, 1));
    EXPECT_TRUE(journal.isModified());
    journal.undo();
    EXPECT_FALSE(journal.isModified()) << "back at the state that was loaded";
    journal.redo();
    journal.markSaved();
    EXPECT_FALSE(journal.isModified());
    journal.undo();
    EXPECT_TRUE(journal.isModified());
    journal.addRecord(record(UndoKind::ColumnSnapshot, -1, 2));
    EXPECT_FALSE(journal.canRedo()) << "a new edit drops the redo branch";
    EXPECT_TRUE(journal.isModified());
    journal.undo();
    EXPECT_TRUE(journal.isModified()) << "the saved state was in the dropped branch";
    journal.clear();
    EXPECT_FALSE(journal.isModified());
    EXPECT_EQ(journal.recordCount(), 0);
}

TEST(UndoJournal, AChangeWithoutRecordsStaysUnsavedUntilTheNextSave)
{
    LogTable table = sampleLog();
    UndoJournal journal(table);
    journal.markUnsaved();
    EXPECT_TRUE(journal.isModified());
    journal.addRecord(record(UndoKind::ColumnSnapshot, -1, 1));
    journal.undo();
    EXPECT_TRUE(journal.isModified()) << "undo cannot reach the state on disk";
    journal.markSaved();
    EXPECT_FALSE(journal.isModified());
}

TEST(UndoJournal, ReportsWhatChangedForTheView)
{
    LogTable table = sampleLog();
    UndoJournal journal(table);
    journal.setColumnWidthSource([](int column) { return 100 + column; });
    journal.addRecord(record(UndoKind::ColumnDeleted, -1, 2));
    table.deleteColumn(2);
    const UndoEffect undone = journal.undo();
    EXPECT_EQ(undone.kind, UndoKind::ColumnDeleted);
    EXPECT_EQ(undone.width, 102);
    EXPECT_FALSE(undone.rowsChanged);
    journal.addRecord(record(UndoKind::RowDeleted, 1, -1));
    table.deleteRow(1);
    EXPECT_TRUE(journal.undo().rowsChanged);
    EXPECT_EQ(table.text(1, 0), "1");
    EXPECT_TRUE(journal.redo().applied);
    EXPECT_FALSE(journal.redo().applied) << "nothing left to redo";
}
