// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "tools/ColumnStructure.h"
#include "tools/ColumnsFile.h"
#include "tools/DuplicateColumn.h"
#include "tools/RowStructure.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

LogTable threeQsos()
{
    return logOf({ "CALL", "BAND" }, { { "A1A", "20m" }, { "B2B", "40m" }, { "C3C", "80m" } });
}

using Tool = ToolResult (*)(LogTable &, UndoJournal &, int);

// Undoes everything and checks that the table is as it was.
void expectUndoneTo(
    LogTable &table, UndoJournal &journal, const std::vector<std::vector<std::string>> &before)
{
    while (journal.canUndo())
        journal.undo();
    EXPECT_EQ(snapshot(table), before);
}

} // namespace

TEST(ColumnStructure, InsertDuplicateAndDeleteAtTheEdges)
{
    struct Case {
        const char *name;
        Tool run;
        int column;
        std::vector<std::string> headers;
    };
    const Tool insert = [](LogTable &t, UndoJournal &j, int c) { return insertColumnAfter(t, j, c); };
    const Case cases[] = {
        { "insert after #", insert, 0, { "#", "", "CALL", "BAND" } },
        { "insert after last", insert, 2, { "#", "CALL", "BAND", "" } },
        { "insert past the end", insert, 3, { "#", "CALL", "BAND" } },
        { "duplicate first", duplicateColumn, 1, { "#", "CALL", "CALL", "BAND" } },
        { "duplicate last", duplicateColumn, 2, { "#", "CALL", "BAND", "BAND" } },
        { "duplicate #", duplicateColumn, 0, { "#", "CALL", "BAND" } },
        { "delete first", deleteColumn, 1, { "#", "BAND" } },
        { "delete last", deleteColumn, 2, { "#", "CALL" } },
        { "delete #", deleteColumn, 0, { "#", "CALL", "BAND" } },
        { "delete past the end", deleteColumn, 3, { "#", "CALL", "BAND" } },
    };
    for (const Case &c : cases) {
        LogTable table = threeQsos();
        UndoJournal journal(table);
        const auto before = snapshot(table);
        c.run(table, journal, c.column);
        EXPECT_EQ(headers(table), c.headers) << c.name;
        expectUndoneTo(table, journal, before);
    }
    LogTable table = threeQsos();
    UndoJournal journal(table);
    duplicateColumn(table, journal, 2);
    EXPECT_EQ(cell(table, 3, "BAND"), "80m");
    EXPECT_EQ(table.text(3, 3), "80m");
}

TEST(ColumnStructure, RenameRefusesNamesAWriterCannotWrite)
{
    struct Case {
        const char *name;
        bool accepted;
    };
    const Case cases[] = { { "QTH", true }, { "", true }, { "APP_X_Y", true }, { "A>B", false },
        { "<A", false }, { "X:Y", false }, { "A,B", false }, { "MY QTH", false }, { " QTH", false },
        { "QTH\t", false } };
    for (const Case &c : cases) {
        LogTable table = threeQsos();
        UndoJournal journal(table);
        const ToolResult result = renameColumn(table, journal, 2, c.name);
        EXPECT_EQ(table.text(0, 2), c.accepted ? c.name : "BAND") << c.name;
        EXPECT_EQ(journal.recordCount(), c.accepted ? 1 : 0) << c.name;
        EXPECT_EQ(result.messageKind == BoxKind::Warning, !c.accepted) << c.name;
        if (c.accepted) {
            journal.undo();
            EXPECT_EQ(table.text(0, 2), "BAND");
            EXPECT_EQ(table.text(2, 2), "40m"); // an unused column keeps its cells
        }
    }
}

TEST(RowStructure, InsertDuplicateDeleteAndMoveAtTheEdges)
{
    struct Case {
        const char *name;
        Tool run;
        int row;
        std::vector<std::string> calls; // the CALL column afterwards
    };
    const Tool up = [](LogTable &t, UndoJournal &j, int r) { return moveRow(t, j, r, true); };
    const Tool down = [](LogTable &t, UndoJournal &j, int r) { return moveRow(t, j, r, false); };
    const Case cases[] = {
        { "insert below header", insertRowBelow, 0, { "CALL", "", "A1A", "B2B", "C3C" } },
        { "insert below last", insertRowBelow, 3, { "CALL", "A1A", "B2B", "C3C", "" } },
        { "insert past the end", insertRowBelow, 4, { "CALL", "A1A", "B2B", "C3C" } },
        { "duplicate first", duplicateRow, 1, { "CALL", "A1A", "A1A", "B2B", "C3C" } },
        { "duplicate last", duplicateRow, 3, { "CALL", "A1A", "B2B", "C3C", "C3C" } },
        { "duplicate header", duplicateRow, 0, { "CALL", "A1A", "B2B", "C3C" } },
        { "delete first", deleteRow, 1, { "CALL", "B2B", "C3C" } },
        { "delete last", deleteRow, 3, { "CALL", "A1A", "B2B" } },
        { "delete header", deleteRow, 0, { "CALL", "A1A", "B2B", "C3C" } },
        { "up from the first", up, 1, { "CALL", "A1A", "B2B", "C3C" } },
        { "up from the last", up, 3, { "CALL", "A1A", "C3C", "B2B" } },
        { "down from the header", down, 0, { "CALL", "A1A", "B2B", "C3C" } },
        { "down from the first", down, 1, { "CALL", "B2B", "A1A", "C3C" } },
        { "down from the last", down, 3, { "CALL", "A1A", "B2B", "C3C" } },
    };
    for (const Case &c : cases) {
        LogTable table = threeQsos();
        UndoJournal journal(table);
        const auto before = snapshot(table);
        c.run(table, journal, c.row);
        std::vector<std::string> calls;
        for (int r = 0; r < table.rowCount(); ++r) {
            calls.emplace_back(table.text(r, 1));
            EXPECT_EQ(table.text(r, 0), r == 0 ? "#" : std::to_string(r)) << c.name; // numbers stay in place
        }
        EXPECT_EQ(calls, c.calls) << c.name;
        expectUndoneTo(table, journal, before);
    }
}

TEST(RowStructure, DeleteSelectedRowsAndColumnsTakeWhatIsSelected)
{
    LogTable table = logOf({ "A", "B", "C" }, { { "1", "2", "3" }, { "4", "5", "6" }, { "7", "8", "9" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    table.setSelection({ { 1, 1, 1, 1 }, { 3, 3, 3, 3 } });
    const ToolResult rows = deleteSelectedRows(table, journal);
    EXPECT_EQ(rows.undoRecords, 2);
    EXPECT_EQ(snapshot(table),
        (std::vector<std::vector<std::string>> { { "#", "A", "B", "C" }, { "2", "4", "5", "6" } }));
    expectUndoneTo(table, journal, before);

    table.setSelection({ { 1, 1, 1, 1 }, { 3, 3, 3, 3 } });
    EXPECT_EQ(deleteSelectedColumns(table, journal).removedColumns, (std::vector<int> { 3, 1 }));
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "B" }));
    expectUndoneTo(table, journal, before);

    table.clearSelection();
    EXPECT_FALSE(deleteSelectedRows(table, journal).changedAnything());
    EXPECT_FALSE(deleteSelectedColumns(table, journal).changedAnything());
    table.setSelection({ { 0, 0, 99, 99 } }); // beyond the table: everything but the header and "#"
    deleteSelectedRows(table, journal);
    EXPECT_EQ(table.rowCount(), 1);
}

TEST(ColumnsFile, LinesBecomeTagsAndTexts)
{
    const std::string text
        = "# prepared columns\r\n\r\n  MY_GRIDSQUARE : JO31 \r\nqsl_via\r\n:orphan\nTX_PWR:100:W\n"
          "BAD TAG:1\nA<B:2\nOPERATOR:";
    const std::vector<ColumnEntry> expected { { "MY_GRIDSQUARE", " JO31" }, { "qsl_via", "qsl_via" },
        { "TX_PWR", "100:W" }, { "OPERATOR", "" } };
    EXPECT_EQ(parseColumnsFile(text), expected);
    EXPECT_TRUE(parseColumnsFile("").empty());
}

TEST(ColumnsFile, TheSavedListUpperCasesAndDropsRepeats)
{
    const std::vector<ColumnEntry> entries { { "tx_pwr", "100" }, { "#X", "1" }, { "", "2" },
        { "TX_PWR", "5" }, { "OPERATOR", "DL1ABC" } };
    EXPECT_EQ(columnsFileText(entries), "TX_PWR:100\r\nOPERATOR:DL1ABC\r\n");
}

TEST(ColumnsFile, UnreadableFilesGiveNoEntries)
{
    const fs::path folder = freshFolder("columns-file");
    writeFile(folder / "binary.txt", std::string("\0\x01\xff:\x80\n\x7f", 7));
    writeFile(folder / "huge.txt", std::string(2 << 20, 'A'));
    EXPECT_TRUE(readColumnsFile((folder / "missing.txt").string()).empty());
    EXPECT_TRUE(readColumnsFile((folder / "huge.txt").string()).empty());
    EXPECT_TRUE(readColumnsFile((folder / "binary.txt").string()).empty());
    EXPECT_TRUE(readColumnsFile(folder.string()).empty());
}

TEST(AddMultipleColumns, InsertsInReverseOrderAndSkipsExistingHeaders)
{
    struct Case {
        int position;
        std::vector<std::string> headers;
    };
    const Case cases[] = {
        { 3, { "#", "CALL", "BAND", "B", "A", "QTH" } },
        { 0, { "#", "CALL", "BAND", "QTH", "B", "A" } },
        { -1, { "#", "CALL", "BAND", "QTH", "B", "A" } },
        { 1, { "#", "B", "A", "CALL", "BAND", "QTH" } },
    };
    const fs::path folder = freshFolder("add-columns");
    const std::string path = (folder / "columns.txt").string();
    for (const Case &c : cases) {
        LogTable table = logOf({ "CALL", "BAND", "QTH" }, { { "A1A", "20m", "" }, { "B2B", "40m", "" } });
        UndoJournal journal(table);
        const auto before = snapshot(table);
        const ToolResult result = addMultipleColumns(
            table, journal, { { "a", "1" }, { "BAND", "x" }, { "B", "2" } }, c.position, path);
        EXPECT_EQ(headers(table), c.headers) << c.position;
        EXPECT_EQ(cell(table, 2, "A"), "1");
        EXPECT_EQ(cell(table, 1, "B"), "2");
        EXPECT_EQ(cell(table, 1, "BAND"), "20m");
        EXPECT_TRUE(result.message.empty());
        EXPECT_EQ(fileContents(path), "A:1\r\nBAND:x\r\nB:2\r\n");
        expectUndoneTo(table, journal, before);
    }
}

TEST(AddMultipleColumns, AFailedSaveWarnsAndStillAddsTheConfirmedColumns)
{
    const fs::path folder = freshFolder("add-columns-fail");
    const std::string path = (folder / "no-such-folder" / "columns.txt").string();
    LogTable table = threeQsos();
    UndoJournal journal(table);
    const ToolResult result = addMultipleColumns(table, journal, { { "TX_PWR", "100" } }, 0, path);
    EXPECT_EQ(result.messageKind, BoxKind::Warning);
    EXPECT_NE(result.message.find(path), std::string::npos);
    EXPECT_EQ(cell(table, 3, "TX_PWR"), "100");
    EXPECT_FALSE(fs::exists(path));
}
