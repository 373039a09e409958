// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RecordInsertion.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

TEST(AppendAdiRecord, FillsAFreshGridAndGrowsAnOpenLog)
{
    LogTable table;
    table.setColumnCount(15);
    table.setRowCount(26);
    UndoJournal journal(table);
    const InsertedRecords first = appendAdiRecord(table, journal, "<CALL:4>AB1C <BAND:3>20M <EOR>", false);
    EXPECT_EQ(headers(table), (Texts { "#", "CALL", "BAND" }));
    EXPECT_EQ(first.firstRow, 1);
    EXPECT_EQ(first.newColumns, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(table.text(1, 0), "1");

    const auto beforeSecond = snapshot(table);
    const InsertedRecords second = appendAdiRecord(table, journal, "<call:4>K1AB <MODE:2>CW <EOR>", false);
    EXPECT_EQ(headers(table), (Texts { "#", "CALL", "BAND", "MODE" }));
    EXPECT_EQ(second.firstRow, 2);
    EXPECT_EQ(cell(table, 2, "CALL"), "K1AB");
    EXPECT_EQ(cell(table, 2, "BAND"), "");
    EXPECT_EQ(table.text(2, 0), "2");
    // a new column (inserted + header) and a new row (inserted + snapshot): four steps back
    for (int i = 0; i < 4; ++i)
        journal.undo();
    EXPECT_EQ(snapshot(table), beforeSecond);
}

TEST(InsertAdiRecords, KeepsTheRecordsInOrderAboveTheGivenRow)
{
    LogTable table = logOf({ "CALL", "call" }, { { "OLD1", "x" }, { "OLD2", "y" } });
    UndoJournal journal(table);
    const InsertedRecords inserted = insertAdiRecords(
        table, journal, "<CALL:2>N1 <GRID:4>FN42 <EOR>\r\n<CALL:2>N2 <CALL:2>XX <EOR>\r\n", 2, false);
    EXPECT_EQ(inserted.rows, 2);
    EXPECT_EQ(headers(table), (Texts { "#", "CALL", "call", "GRID" }));
    Texts calls;
    for (int row = 1; row < table.rowCount(); ++row)
        calls.push_back(cell(table, row, "CALL"));
    EXPECT_EQ(calls, (Texts { "OLD1", "N1", "N2", "OLD2" })) << "the first of two CALL fields counts";
    EXPECT_EQ(cell(table, 2, "call"), "") << "a lower-case header is another field";
    EXPECT_EQ(table.text(4, 0), "4");
}

TEST(AppendAdiRecord, TakesOnlyTheFirstRecordOfTheText)
{
    LogTable table = logOf({ "CALL" }, { { "OLD1" } });
    UndoJournal journal(table);
    const InsertedRecords appended
        = appendAdiRecord(table, journal, "<CALL:2>N1 <EOR><CALL:2>N2 <EOR>", false);
    EXPECT_EQ(appended.rows, 1);
    EXPECT_EQ(table.qsoCount(), 2);
    EXPECT_EQ(cell(table, 2, "CALL"), "N1");
}
