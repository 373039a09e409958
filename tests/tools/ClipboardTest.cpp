// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/Clipboard.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

LogTable threeQsos()
{
    return logOf(
        { "CALL", "QSO_DATE" }, { { "DL1ABC", "20240101" }, { "K1AB", "20240102" }, { "W1AW", "20240103" } });
}

std::string records(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "<CALL:4>N" + std::to_string(1000 + i).substr(1) + " <QSO_DATE:8>20240101 <EOR>\r\n";
    return text;
}

} // namespace

TEST(Copy, WholeRowsAsAdifOtherwiseTheCellsAsText)
{
    LogTable table = threeQsos();
    table.setSelection({ { 1, 1, 3, 2 } });
    const ClipboardCopy rows = copySelection(table, {}, {});
    EXPECT_TRUE(rows.isAdif);
    EXPECT_EQ(std::count(rows.text.begin(), rows.text.end(), '\n'), 3);
    EXPECT_EQ(rows.text.substr(0, 40), "<CALL:6>DL1ABC <QSO_DATE:8>20240101 <EOR");

    table.setSelection({ { 2, 1, 2, 1 }, { 2, 2, 2, 2 }, { 3, 2, 3, 2 } });
    const ClipboardCopy cells = copySelection(table, {}, {});
    EXPECT_FALSE(cells.isAdif);
    EXPECT_EQ(cells.text, "K1AB\t20240102\r\n\t20240103\r\n");
}

TEST(Copy, SelectedRowsAsCsv)
{
    LogTable table = threeQsos();
    table.setSelection({ { 1, 1, 1, 1 } });
    EXPECT_EQ(copySelectedRowsAsCsv(table, ';'), "\"DL1ABC\";\"20240101\";\r\n");
    EXPECT_EQ(copySelectedRowsAsAdif(table, {}, {}), "<CALL:6>DL1ABC <QSO_DATE:8>20240101 <EOR>\r\n");
}

TEST(Paste, AdifRecordsAreLimitedToAHundred)
{
    LogTable table = threeQsos();
    UndoJournal journal(table);
    const auto before = snapshot(table);
    const PasteResult refused = pasteText(table, journal, records(150) + "<GRID:4>FN42<EOR>", false, false);
    EXPECT_EQ(refused.warning, "If you want to add more than 100 QSOs, please use Open or Merge features.");
    EXPECT_EQ(snapshot(table), before) << "nothing changes, not even a new column";
    EXPECT_FALSE(journal.canUndo());

    const PasteResult accepted = pasteText(table, journal, records(100), false, false);
    EXPECT_TRUE(accepted.warning.empty());
    EXPECT_EQ(accepted.rowsInserted, 100);
    EXPECT_EQ(table.qsoCount(), 103);
}

TEST(Paste, RecordsGoAboveTheSelectedLineWithNewColumnsAndUndoAway)
{
    LogTable table = threeQsos();
    UndoJournal journal(table);
    const auto before = snapshot(table);
    table.setSelection({ { 2, 1, 2, 1 } });
    const PasteResult pasted
        = pasteText(table, journal, "<call:4>N0NE <GRIDSQUARE:4>FN42 <eor>", true, false);
    EXPECT_EQ(pasted.rowsInserted, 1);
    EXPECT_EQ(pasted.columnsAdded, 1);
    EXPECT_EQ(cell(table, 2, "CALL"), "N0NE");
    EXPECT_EQ(cell(table, 2, "GRIDSQUARE"), "FN42");
    EXPECT_EQ(cell(table, 1, "GRIDSQUARE"), "");
    EXPECT_EQ(cell(table, 3, "CALL"), "K1AB");
    while (journal.canUndo())
        journal.undo();
    EXPECT_EQ(snapshot(table), before);
}

TEST(Paste, PlainTextFillsCellsFromTheSelectionsTopLeft)
{
    LogTable table = threeQsos();
    UndoJournal journal(table);
    const auto before = snapshot(table);
    table.setSelection({ { 2, 1, 2, 1 } });
    const PasteResult pasted = pasteText(table, journal, "A1\tB1\tC1-lost\r\nA2\r\n", false, false);
    EXPECT_EQ(pasted.cellsChanged, 3);
    EXPECT_EQ(snapshot(table)[2], (std::vector<std::string> { "2", "A1", "B1" }));
    EXPECT_EQ(snapshot(table)[3], (std::vector<std::string> { "3", "A2", "20240103" }));
    journal.undo();
    journal.undo();
    EXPECT_EQ(snapshot(table), before);
    table.clearSelection();
    EXPECT_EQ(pasteText(table, journal, "X", false, false).cellsChanged, 0) << "no selection, no target";
}
