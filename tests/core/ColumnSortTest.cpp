// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ColumnSort.h"

#include "TableSnapshot.h"
#include "core/UndoJournal.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

// The calls of column 1 from top to bottom.
std::string calls(const LogTable &table)
{
    std::string text;
    for (int row = 1; row < table.rowCount(); ++row)
        text += std::string(table.text(row, 1)) + " ";
    return text;
}

} // namespace

TEST(SortByHeaderClick, SecondClickOnAnAscendingColumnDescendsAnyOtherAscends)
{
    struct Case {
        std::vector<int> clicks;
        const char *calls;
    };
    for (const Case &c : {
             Case { { 1 }, "AA BB CC " },
             Case { { 1, 1 }, "CC BB AA " },
             Case { { 1, 1, 1 }, "AA BB CC " },
             Case { { 2, 1 }, "AA BB CC " },
             Case { { 1, 2, 1 }, "AA BB CC " },
             Case { { 2, 2 }, "AA CC BB " },
             Case { { 2 }, "BB CC AA " },
         }) {
        LogTable table
            = logOf({ "CALL", "TIME_ON" }, { { "BB", "0900" }, { "CC", "1000" }, { "AA", "1100" } });
        UndoJournal journal(table);
        for (const int column : c.clicks)
            ASSERT_TRUE(sortByHeaderClick(table, journal, column));
        EXPECT_EQ(calls(table), c.calls) << c.clicks.size();
    }
}

TEST(SortByHeaderClick, UndoRestoresTheOrderAndTheRememberedSort)
{
    LogTable table = logOf({ "CALL" }, { { "BB" }, { "CC" }, { "AA" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    ASSERT_TRUE(sortByHeaderClick(table, journal, 1));
    ASSERT_TRUE(sortByHeaderClick(table, journal, 1));
    journal.undo();
    EXPECT_EQ(calls(table), "AA BB CC ");
    journal.undo();
    EXPECT_EQ(snapshot(table), before);
    // With the remembered sort undone too, the next click ascends again.
    ASSERT_TRUE(sortByHeaderClick(table, journal, 1));
    EXPECT_EQ(calls(table), "AA BB CC ");
}

TEST(SortByHeaderClick, ALogWithoutQsosIsLeftAndNothingIsRecorded)
{
    LogTable table = logOf({ "CALL" }, {});
    UndoJournal journal(table);
    EXPECT_FALSE(sortByHeaderClick(table, journal, 1));
    EXPECT_FALSE(journal.canUndo());
}
