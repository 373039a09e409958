// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CharacterGridReader.h"

#include "TableSnapshot.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;
using Rows = std::vector<Texts>;

TEST(ReadCharacterGrid, EveryLongEnoughLineBecomesARowOfCharacters)
{
    struct Case {
        std::string text;
        Rows rows;
    };
    for (const Case &c : {
             Case { "short\n0123456789\nabcdefghijk   \r\n",
                 { { "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "" },
                     { "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k" } } },
             { "\xEF\xBB\xBF"
               "ABCDEFGHIJ",
                 { { "A", "B", "C", "D", "E", "F", "G", "H", "I", "J" } } },
             { "a\tb\tc\td\te\tf\t", { { "a", "\t", "b", "\t", "c", "\t", "d", "\t", "e", "\t", "f" } } },
             { "x         y\n", { { "x", " ", " ", " ", " ", " ", " ", " ", " ", " ", "y" } } },
             // UTF-8 characters stay whole; in an 8-bit file every byte is a character.
             { "M\xC3\xBCller 123\n", { { "M", "\xC3\xBC", "l", "l", "e", "r", " ", "1", "2", "3" } } },
             { "M\xFCller 1234\n", { { "M", "\xFC", "l", "l", "e", "r", " ", "1", "2", "3", "4" } } },
         }) {
        LogTable table;
        RunningFlag running;
        const ReadResult result = readCharacterGrid(c.text, table, running);
        ASSERT_TRUE(result.ok) << c.text;
        Rows rows = snapshot(table);
        EXPECT_EQ(rows.front(), Texts(rows.front().size(), "")) << c.text;
        rows.erase(rows.begin());
        EXPECT_EQ(rows, c.rows) << c.text;
    }
}

TEST(ReadCharacterGrid, FailureLeavesTheOpenLogAlone)
{
    struct Case {
        std::string text;
        std::string_view message;
    };
    for (const Case &c : {
             Case { "", "" },
             { "123456789", "" },
             { "short\n  9 chars  \n", "" },
             { std::string(257, 'x'), longLinesMessage },
             { "0123456789\n" + std::string(300, 'y') + "\n", longLinesMessage },
         }) {
        LogTable table = logOf({ "CALL" }, { { "OLD" } });
        const auto before = snapshot(table);
        RunningFlag running;
        const ReadResult result = readCharacterGrid(c.text, table, running);
        EXPECT_FALSE(result.ok) << c.text;
        EXPECT_EQ(result.warning, c.message) << c.text;
        EXPECT_EQ(snapshot(table), before);
    }
    LogTable table;
    RunningFlag running;
    EXPECT_TRUE(readCharacterGrid(std::string(256, 'z') + "   ", table, running).ok)
        << "256 characters are fine";
    EXPECT_EQ(table.columnCount(), 256);
}

TEST(ReadCharacterGrid, StopKeepsTheRowsReadSoFar)
{
    LogTable table;
    StopAfter progress(0);
    const ReadResult result = readCharacterGrid("0123456789\nabcdefghij\n", table, progress);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(table.text(2, 0), "");
    EXPECT_EQ(progress.labels.front(), "Parsing lines ...");
}
