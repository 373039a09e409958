// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LogTable.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quillog;

namespace
{

// A table with the given header and one row per entry of values, all in one column after "#".
LogTable tableWithColumn(const std::string &header, const std::vector<std::string> &values)
{
    LogTable table;
    table.setColumnCount(2);
    table.setRowCount(static_cast<int>(values.size()) + 1);
    table.setText(0, 0, "#");
    table.setText(0, 1, header);
    for (std::size_t i = 0; i < values.size(); ++i)
        table.setText(static_cast<int>(i) + 1, 1, values[i]);
    table.setFixedColumnCount(1);
    table.numberRows();
    return table;
}

std::vector<std::string> column(const LogTable &table, int column)
{
    std::vector<std::string> texts;
    for (int row = 1; row < table.rowCount(); ++row)
        texts.emplace_back(table.text(row, column));
    return texts;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(LogTable, CellsOutsideTheTableReadEmptyAndRefuseChanges)
{
    LogTable table = tableWithColumn("CALL", { "AB1C" });
    EXPECT_EQ(table.text(5, 1), "");
    EXPECT_EQ(table.text(1, 9), "");
    EXPECT_EQ(table.text(-1, 0), "");
    EXPECT_FALSE(table.setText(2, 1, "X"));
    EXPECT_FALSE(table.setText(1, 2, "X"));
    EXPECT_FALSE(table.setBackgroundColour(9, 9, 0xFF));
    EXPECT_FALSE(table.setItemData(9, 0, 1));
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnCount(), 2);
}

TEST(LogTable, ColoursAndItemDataBelongToTheCell)
{
    LogTable table = tableWithColumn("CALL", { "AB1C", "K1ABC" });
    EXPECT_FALSE(table.backgroundColour(1, 1));
    table.setBackgroundColour(1, 1, 0x0000FF);
    table.setBackgroundColour(2, 1, 0x000000);
    EXPECT_EQ(table.backgroundColour(1, 1), 0x0000FFu);
    EXPECT_EQ(table.backgroundColour(2, 1), 0u) << "black is a colour, not the absence of one";
    table.setBackgroundColour(1, 1, std::nullopt);
    EXPECT_FALSE(table.backgroundColour(1, 1));
    table.setItemData(2, 1, -77);
    EXPECT_EQ(table.itemData(2, 1), -77);
    EXPECT_EQ(table.itemData(1, 1), 0);
}

TEST(LogTable, FindColumnIsExactAndTakesTheFirstMatch)
{
    LogTable table;
    table.setColumnCount(4);
    table.setRowCount(1);
    for (const auto &[col, name] : { std::pair { 0, "#" }, { 1, "BAND" }, { 2, "CALL" }, { 3, "BAND" } })
        table.setText(0, col, name);
    EXPECT_EQ(table.findColumn("BAND"), 1);
    EXPECT_EQ(table.findColumn("CALL"), 2);
    EXPECT_EQ(table.findColumn("call"), -1);
    EXPECT_EQ(table.findColumn("CALL "), -1);
}

TEST(LogTable, InsertAndDeleteColumnsKeepTheOtherCells)
{
    LogTable table = tableWithColumn("CALL", { "AB1C", "K1ABC" });
    table.setBackgroundColour(2, 1, 0x123456);
    EXPECT_EQ(table.insertColumn("BAND", 0), -1) << "nothing goes before the fixed column";
    EXPECT_EQ(table.insertColumn("BAND", 3), -1);
    EXPECT_EQ(table.insertColumn("BAND", 1), 1);
    EXPECT_EQ(table.insertColumn("MODE"), 3);
    EXPECT_EQ(table.text(0, 1), "BAND");
    EXPECT_EQ(table.text(0, 2), "CALL");
    EXPECT_EQ(table.text(2, 2), "K1ABC");
    EXPECT_EQ(table.text(2, 1), "");
    EXPECT_EQ(table.backgroundColour(2, 2), 0x123456u);

    // many more columns than the rows were made for
    for (int i = 0; i < 40; ++i)
        table.insertColumn("X" + std::to_string(i), 2);
    EXPECT_EQ(table.text(1, 42), "AB1C");
    EXPECT_TRUE(table.deleteColumn(2));
    EXPECT_EQ(table.text(0, 2), "X38");
    EXPECT_FALSE(table.deleteColumn(99));
    EXPECT_EQ(table.columnCount(), 43);
}

TEST(LogTable, InsertRowRefusesTheHeaderAndPositionsPastTheEnd)
{
    LogTable table = tableWithColumn("CALL", { "AB1C", "K1ABC" });
    EXPECT_EQ(table.insertRow("", 0), -1);
    EXPECT_EQ(table.insertRow("", 3), -1);
    EXPECT_EQ(table.insertRow("new", 1), 1);
    EXPECT_EQ(table.insertRow("last"), 4);
    EXPECT_EQ(column(table, 1), (Texts { "", "AB1C", "K1ABC", "" }));
    EXPECT_EQ(table.text(1, 0), "new");
    EXPECT_TRUE(table.deleteRow(1));
    EXPECT_EQ(table.qsoCount(), 3);
    table.deleteAllQsoRows();
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.text(0, 1), "CALL");
}

TEST(LogTable, ShrinkingKeepsTheFixedCountsWithinTheTable)
{
    LogTable table = tableWithColumn("CALL", { "AB1C" });
    EXPECT_EQ(table.fixedRowCount(), 1);
    EXPECT_EQ(table.fixedColumnCount(), 1);
    table.setColumnCount(0);
    table.setRowCount(0);
    EXPECT_EQ(table.fixedRowCount(), 0);
    EXPECT_EQ(table.fixedColumnCount(), 0);
    table.setColumnCount(3);
    table.setRowCount(2);
    EXPECT_EQ(table.text(1, 1), "") << "cells that come back are empty";
}

TEST(LogTable, NumericColumnsSortByTheirLeadingNumberWithCommaAsPoint)
{
    LogTable table = tableWithColumn("FREQ", { "14.074", "7,074", "144", "", "3.5" });
    table.sortByColumn(1, true);
    EXPECT_EQ(column(table, 1), (Texts { "", "3.5", "7,074", "14.074", "144" }));

    for (const char *header : { "freq", "Index", "RST_SENT", "MY_CQ_ZONE", "#", "tx_pwr" })
        EXPECT_EQ(LogTable::comparisonForHeader(header), SortComparison::Numeric) << header;
    for (const char *header : { "QSO_DATE", "qslrdate" })
        EXPECT_EQ(LogTable::comparisonForHeader(header), SortComparison::Date) << header;
    for (const char *header : { "CALL", "", "FREQUENCY" })
        EXPECT_EQ(LogTable::comparisonForHeader(header), SortComparison::Text) << header;
}

TEST(LogTable, DateColumnsSortByCalendarDate)
{
    LogTable table = tableWithColumn("QSO_DATE", { "20240301", "19991231", "20240229", "20241399" });
    table.sortByColumn(1, true);
    EXPECT_EQ(column(table, 1), (Texts { "20241399", "19991231", "20240229", "20240301" }))
        << "an invalid date counts as the earliest day";
}

TEST(LogTable, ShortDatesCompareEqualWithoutBreakingTheSort)
{
    std::vector<std::string> values;
    for (int i = 0; i < 300; ++i)
        values.push_back(
            i % 7 == 0 ? "2024" : "2024" + std::string(i % 2 ? "01" : "02") + std::to_string(10 + i % 19));
    LogTable table = tableWithColumn("QSO_DATE", values);
    table.sortByColumn(1, true);
    EXPECT_EQ(table.qsoCount(), 300);
    std::vector<std::string> sorted = column(table, 1);
    std::sort(sorted.begin(), sorted.end());
    std::sort(values.begin(), values.end());
    EXPECT_EQ(sorted, values) << "every row survives";
}

TEST(LogTable, DescendingOnlyForTheColumnLastSorted)
{
    LogTable table = tableWithColumn("CALL", { "K1ABC", "AB1C", "W1AW" });
    table.sortByColumn(1, false);
    EXPECT_EQ(column(table, 1), (Texts { "AB1C", "K1ABC", "W1AW" })) << "first sort of a column ascends";
    EXPECT_EQ(table.lastSortColumn(), 1);
    table.sortByColumn(1, false);
    EXPECT_EQ(column(table, 1), (Texts { "W1AW", "K1ABC", "AB1C" }));
    EXPECT_FALSE(table.lastSortAscending());
    EXPECT_EQ(table.text(0, 1), "CALL") << "the header row never moves";
}

TEST(LogTable, TextSortIsByteWiseAndCaseSensitive)
{
    LogTable table = tableWithColumn("NAME", { "bob", "Bob", "alice", "\xc3\xa9mile" });
    table.sortByColumn(1, true);
    EXPECT_EQ(column(table, 1), (Texts { "Bob", "alice", "bob", "\xc3\xa9mile" }));
}

TEST(LogTable, ChronologicalSortAddsItemDataAsMinutes)
{
    LogTable table = tableWithColumn("QSO_DATE", { "20240101", "20240101", "20231231" });
    table.setItemData(1, 1, 23 * 60 + 59);
    table.setItemData(2, 1, 5);
    table.setItemData(3, 1, 10 * 60);
    table.setText(1, 0, "late");
    table.setText(2, 0, "early");
    table.sortChronologically(1, false);
    EXPECT_EQ(table.text(1, 0), "late");
    EXPECT_EQ(table.text(2, 0), "early");
    EXPECT_EQ(table.text(3, 1), "20231231");
    EXPECT_EQ(table.itemData(1, 1), 23 * 60 + 59) << "item data travels with its row";
}

TEST(LogTable, SelectionCountsRowsWithAnySelectedCell)
{
    LogTable table = tableWithColumn("CALL", { "A", "B", "C", "D" });
    table.setSelection({ { 1, 1, 1, 1 }, { 3, 0, 4, 0 } });
    EXPECT_EQ(table.selection().firstRow, 1);
    EXPECT_EQ(table.selection().lastRow, 4);
    EXPECT_TRUE(table.isSelected(1, 1));
    EXPECT_FALSE(table.isSelected(2, 1));
    EXPECT_TRUE(table.rowHasSelectedCell(3, 0, 1));
    EXPECT_FALSE(table.rowHasSelectedCell(3, 1, 1));
    EXPECT_FALSE(table.rowHasSelectedCell(2, 0, 1));
    table.clearSelection();
    EXPECT_EQ(table.selection().firstRow, -1);
}

TEST(LogTable, ManyEditsKeepEveryCellIntact)
{
    // Enough rewritten text to make the table rebuild its storage several times.
    LogTable table = tableWithColumn("NOTES", { "first", "second", "third" });
    table.setBackgroundColour(2, 1, 0xABCDEF);
    table.setItemData(3, 1, 42);
    const std::string big(1 << 20, 'x');
    for (int i = 0; i < 300; ++i)
        table.setText(1, 1, big + std::to_string(i));
    EXPECT_EQ(table.text(1, 1), big + "299");
    EXPECT_EQ(table.text(2, 1), "second");
    EXPECT_EQ(table.backgroundColour(2, 1), 0xABCDEFu);
    EXPECT_EQ(table.itemData(3, 1), 42);
    EXPECT_EQ(table.text(3, 0), "3");
}
