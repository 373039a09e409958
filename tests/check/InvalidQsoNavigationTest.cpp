// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/InvalidQsoNavigation.h"

#include "CheckTables.h"
#include "check/LogCheck.h"
#include "core/Progress.h"
#include "definitions/ValueLists.h"

#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::logOf;
using quillog::test::qsoHeaders;

namespace
{

const CheckColours colours;

// Rows 2, 4 and 5 fail, row 6 (the last) passes.
LogTable checkedLog()
{
    const std::vector<std::string> good = { "K1ABC", "20240105", "0915", "20M", "", "CW" };
    std::vector<std::string> badCall = good, badTime = good;
    badCall[0] = "K1";
    badTime[2] = "9:15"; // column 1 of this row gets the row colour, not the marked one
    LogTable table = logOf(qsoHeaders, { good, badCall, good, badTime, badCall, good });
    ValueLists lists;
    lists.modes = { "CW" };
    lists.bands = { "20M" };
    RunningFlag progress;
    checkLog(table, lists, colours, progress);
    return table;
}

std::vector<int> walk(
    const LogTable &table, int cursor, int presses, int (*step)(const LogTable &, int, Colour))
{
    std::vector<int> rows;
    for (int i = 0; i < presses; ++i)
        rows.push_back(cursor = step(table, cursor, colours.marked));
    return rows;
}

} // namespace

TEST(InvalidQsoNavigation, NextWalksTheFailedRowsAndStaysOnTheLastOne)
{
    const LogTable table = checkedLog();
    EXPECT_EQ(walk(table, 0, 5, nextInvalidRow), (std::vector<int> { 2, 4, 5, 5, 5 }));
    // Only from the last row does it start again at the top.
    EXPECT_EQ(nextInvalidRow(table, 6, colours.marked), 2);
    EXPECT_EQ(nextInvalidRow(table, 99, colours.marked), 2);
}

TEST(InvalidQsoNavigation, PreviousWalksBackToTheFirstFailedRowAndStaysThere)
{
    const LogTable table = checkedLog();
    EXPECT_EQ(walk(table, 6, 4, previousInvalidRow), (std::vector<int> { 5, 4, 2, 2 }));
    EXPECT_EQ(previousInvalidRow(table, 99, colours.marked), 5);
    EXPECT_EQ(previousInvalidRow(table, 0, colours.marked), 0);
}

TEST(InvalidQsoNavigation, ACleanLogKeepsTheCursor)
{
    LogTable table = logOf(qsoHeaders, { { "K1ABC", "20240105", "0915", "20M", "", "CW" } });
    ValueLists lists;
    lists.modes = { "CW" };
    lists.bands = { "20M" };
    RunningFlag progress;
    checkLog(table, lists, colours, progress);
    EXPECT_EQ(nextInvalidRow(table, 0, colours.marked), 0);
    EXPECT_EQ(previousInvalidRow(table, 1, colours.marked), 1);
    // Colours of another marked colour are no marks.
    EXPECT_EQ(nextInvalidRow(checkedLog(), 0, makeColour(1, 2, 3)), 0);
}
