// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ColumnMove.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

TEST(MoveColumn, CarriesTheWholeColumnAndUndoesInThreeSteps)
{
    struct Case {
        int from, to;
        Texts headers;
    };
    for (const Case &c : {
             Case { 1, 3, { "#", "BAND", "MODE", "CALL", "QTH" } },
             Case { 3, 1, { "#", "MODE", "CALL", "BAND", "QTH" } },
             Case { 1, 2, { "#", "BAND", "CALL", "MODE", "QTH" } },
             Case { 4, 1, { "#", "QTH", "CALL", "BAND", "MODE" } },
         }) {
        LogTable table = logOf({ "CALL", "BAND", "MODE", "QTH" },
            { { "AB1C", "20M", "CW", " Paris " }, { "K1AB", "40M", "SSB", "" } });
        const std::string name(table.text(0, c.from));
        table.setBackgroundColour(2, c.from, Colour(0x123456));
        table.setItemData(1, c.from, 42);
        UndoJournal journal(table);
        const auto before = snapshot(table);

        EXPECT_EQ(moveColumn(table, journal, c.from, c.to, 80), c.to);
        EXPECT_EQ(headers(table), c.headers) << c.from << "->" << c.to;
        EXPECT_EQ(cell(table, 1, name), before[1][std::size_t(c.from)]);
        EXPECT_EQ(table.backgroundColour(2, c.to), Colour(0x123456));
        EXPECT_EQ(table.itemData(1, c.to), 42);
        EXPECT_TRUE(journal.isModified());
        const auto moved = snapshot(table);

        for (int step = 0; step < 3; ++step)
            EXPECT_TRUE(journal.undo().applied);
        EXPECT_EQ(snapshot(table), before) << c.from << "->" << c.to;
        EXPECT_FALSE(journal.isModified());
        for (int step = 0; step < 3; ++step)
            journal.redo();
        EXPECT_EQ(snapshot(table), moved) << c.from << "->" << c.to;
    }
}

TEST(MoveColumn, RefusesTheRowNumbersAndPlacesOutsideTheTable)
{
    LogTable table = logOf({ "CALL", "BAND" }, { { "AB1C", "20M" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    struct Case {
        int from, to;
    };
    for (const Case c : { Case { 0, 1 }, Case { 1, 0 }, Case { 1, 1 }, Case { 1, 3 }, Case { -1, 2 } }) {
        EXPECT_EQ(moveColumn(table, journal, c.from, c.to, -1), -1) << c.from << "->" << c.to;
        EXPECT_EQ(snapshot(table), before);
    }
    EXPECT_EQ(journal.recordCount(), 0);
}
