// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "tools/DuplicateColumn.h"
#include "tools/GluedBandMode.h"
#include "tools/RemoveCharacters.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

TEST(RemoveCharacters, DropsOnlyTheBytesOfTheClass)
{
    struct Case {
        const char *cell;
        CharacterClass characters;
        const char *expected;
    };
    for (const Case c : {
             Case { "14.074 MHz", CharacterClass::Letters, "14.074 " },
             { "RST 599", CharacterClass::Digits, "RST " },
             { "DL1ABC/P", CharacterClass::Symbols, "DL1ABCP" },
             { "59+10", CharacterClass::Symbols, "5910" },
             { "a b\t~\x7F", CharacterClass::Symbols, "a b\t" },
             { "M\xC3\xBCller", CharacterClass::Letters, "\xC3\xBC" }, // bytes from 128 up are no letters
             { "caf\xE9!", CharacterClass::Symbols, "caf\xE9" },
             { "", CharacterClass::Digits, "" },
         }) {
        LogTable table = logOf({ "X" }, { { c.cell } });
        UndoJournal journal(table);
        const auto before = snapshot(table);
        removeCharacters(table, journal, 1, c.characters);
        EXPECT_EQ(table.text(1, 1), c.expected) << c.cell;
        journal.undo();
        EXPECT_EQ(snapshot(table), before) << c.cell;
    }
}

TEST(DuplicateColumn, CopiesHeaderAndCellsToTheRightAndUndoRemovesTheCopy)
{
    LogTable table = logOf({ "CALL", "BAND" }, { { "K1AB", "20M" }, { "K2CD", "" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    const ToolResult result = duplicateColumn(table, journal, 1);
    EXPECT_EQ(headers(table), (Texts { "#", "CALL", "CALL", "BAND" }));
    EXPECT_EQ(table.text(1, 2), "K1AB");
    EXPECT_EQ(table.text(2, 2), "K2CD");
    EXPECT_EQ(result.insertedColumns, (std::vector<int> { 2 }));
    while (journal.canUndo())
        journal.undo();
    EXPECT_EQ(snapshot(table), before);
    EXPECT_FALSE(duplicateColumn(table, journal, 0).changedAnything()) << "the row numbers are no field";
}

TEST(GluedBandMode, FirstCellDecides)
{
    struct Case {
        const char *first;
        bool glued;
    };
    for (const Case c : { Case { "40CW", true }, { "CW", false }, { "20SSB", true }, { "SSB", false },
             { "10RTTY", true }, { "RTTY", false }, { "2FM", true }, { "160AM", true }, { "AM", false },
             { "K1AR", false }, { "", false } }) {
        LogTable table = logOf({ "" }, { { c.first } });
        EXPECT_EQ(hasGluedBandMode(table), c.glued) << c.first;
    }
}

TEST(GluedBandMode, SplitsBandAndModeIntoTwoColumns)
{
    LogTable table = logOf({ "", "" }, { { "40CW", "K1AR" }, { "20SSB", "W2XYZ" }, { "160CW", "N3A" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    splitGluedBandMode(table, journal);
    EXPECT_EQ(snapshot(table),
        (std::vector<Texts> { { "#", "", "", "" }, { "1", "40", "CW", "K1AR" }, { "2", "20", "SSB", "W2XYZ" },
            { "3", "160", "CW", "N3A" } }));
    while (journal.canUndo())
        journal.undo();
    EXPECT_EQ(snapshot(table), before);

    LogTable plain = logOf({ "" }, { { "K1AR" } });
    UndoJournal plainJournal(plain);
    EXPECT_FALSE(splitGluedBandMode(plain, plainJournal).changedAnything());
    EXPECT_EQ(plainJournal.recordCount(), 0);
}
