// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "tools/ColumnMerge.h"
#include "tools/ColumnText.h"
#include "tools/RemoveCharacters.h"

#include <functional>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

using Tool = std::function<ToolResult(LogTable &, UndoJournal &, int)>;

// Runs the tool on column 1 of a one-column log holding the cells; the column afterwards.
std::string afterTool(const Tool &tool, const std::string &cell)
{
    LogTable table = logOf({ "X" }, { { cell } });
    UndoJournal journal(table);
    tool(table, journal, 1);
    return std::string(table.text(1, 1));
}

Tool removing(CharacterClass characters)
{
    return [characters](LogTable &t, UndoJournal &j, int c) { return removeCharacters(t, j, c, characters); };
}

} // namespace

TEST(ColumnText, EachToolRewritesTheCellAsItSays)
{
    struct Case {
        const char *name;
        Tool tool;
        std::string cell;
        std::string expected;
    };
    const Case cases[] = {
        { "trim", trimColumn, "  JO31 AA \t", "JO31 AA" },
        { "trim", trimColumn, "   ", "" },
        { "alpha", removing(CharacterClass::Letters), "14.074 MHz", "14.074 " },
        { "alpha", removing(CharacterClass::Letters), "\xC3\xA4z", "\xC3\xA4" },
        { "numeric", removing(CharacterClass::Digits), "RST 599", "RST " },
        { "symbols", removing(CharacterClass::Symbols), "DL1ABC/P", "DL1ABCP" },
        { "symbols", removing(CharacterClass::Symbols), "59+10 dB{}~\x7f", "5910 dB" },
        { "symbols", removing(CharacterClass::Symbols), "a\xA7 b", "a\xA7 b" },
        { "left", removeLeftCharacter, "  ABC", "BC" },
        { "left", removeLeftCharacter, "ABC  ", "BC  " },
        { "left", removeLeftCharacter, "", "" },
        { "left", removeLeftCharacter, "A", "" },
        { "left", removeLeftCharacter, "   ", "" },
        { "right", removeRightCharacter, "ABC  ", "AB" },
        { "right", removeRightCharacter, "  ABC", "  AB" },
        { "right", removeRightCharacter, "", "" },
        { "right", removeRightCharacter, "A", "" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(afterTool(c.tool, c.cell), c.expected) << c.name << " on '" << c.cell << "'";
}

TEST(ColumnText, ToolsRecordOneSnapshotAndUndoRestoresTheColumn)
{
    const Tool tools[] = { trimColumn, removeLeftCharacter, removeRightCharacter, addSerialNumbers,
        removing(CharacterClass::Symbols) };
    for (const Tool &tool : tools) {
        LogTable table = logOf({ "CALL", "QTH" }, { { " dl1abc/p ", "x" }, { "", "y" }, { "W1AW", "z" } });
        UndoJournal journal(table);
        const auto before = snapshot(table);
        const ToolResult result = tool(table, journal, 1);
        EXPECT_EQ(result.undoRecords, 1);
        EXPECT_EQ(journal.recordCount(), 1);
        EXPECT_EQ(columnTexts(table, 2), (std::vector<std::string> { "x", "y", "z" }));
        journal.undo();
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(ColumnText, ColumnsOutsideTheFieldsChangeNothing)
{
    const Tool tools[] = { trimColumn, removeLeftCharacter, removeRightCharacter, addSerialNumbers };
    for (const Tool &tool : tools) {
        for (const int column : { -1, 0, 2, 99 }) {
            LogTable table = logOf({ "CALL" }, { { " a " } });
            UndoJournal journal(table);
            const auto before = snapshot(table);
            EXPECT_FALSE(tool(table, journal, column).changedAnything()) << column;
            EXPECT_EQ(journal.recordCount(), 0);
            EXPECT_EQ(snapshot(table), before);
        }
    }
}

TEST(ColumnText, SerialNumbersArePositionsThreeDigitsWide)
{
    std::vector<std::vector<std::string>> rows(1001, { "old" });
    rows[3] = { "" };
    LogTable table = logOf({ "SRX" }, rows);
    UndoJournal journal(table);
    EXPECT_EQ(addSerialNumbers(table, journal, 1).cellsChanged, 1001);
    const std::pair<int, const char *> expected[]
        = { { 1, "001" }, { 4, "004" }, { 42, "042" }, { 999, "999" }, { 1000, "1000" }, { 1001, "1001" } };
    for (const auto &[row, text] : expected)
        EXPECT_EQ(table.text(row, 1), text) << row;
}

TEST(FillColumn, WritesTheTextOrOnlyIntoBlankCells)
{
    struct Case {
        std::string text;
        bool emptyOnly;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        { "599", false, { "599", "599", "599", "599" } },
        { "599", true, { "599", " 57 ", "599", "599" } },
        { "", false, { "", "", "", "" } },
        { "a b ", true, { "a b ", " 57 ", "a b ", "a b " } },
    };
    for (const Case &c : cases) {
        LogTable table = logOf({ "RST_SENT" }, { { "" }, { " 57 " }, { "   " }, { "\t" } });
        UndoJournal journal(table);
        fillColumn(table, journal, { 1, c.text, c.emptyOnly });
        EXPECT_EQ(columnTexts(table, 1), c.expected) << c.text << c.emptyOnly;
        EXPECT_EQ(journal.recordCount(), 1);
    }
}

TEST(ChangeCallCase, WorksOnTheLastCallColumnOnly)
{
    LogTable table = logOf({ "CALL", "call", " CALL ", "NAME" }, { { "dl1abc", "w1aw", "g4Xyz/p", "Jo" } });
    UndoJournal journal(table);
    EXPECT_EQ(changeCallCase(table, journal, true).cellsChanged, 1);
    EXPECT_EQ(snapshot(table)[1], (std::vector<std::string> { "1", "dl1abc", "w1aw", "G4XYZ/P", "Jo" }));
    changeCallCase(table, journal, false);
    EXPECT_EQ(table.text(1, 3), "g4xyz/p");

    LogTable none = logOf({ "CALLSIGN" }, { { "dl1abc" } });
    UndoJournal noJournal(none);
    const ToolResult result = changeCallCase(none, noJournal, true);
    EXPECT_EQ(result.message, "Cannot find CALL column.");
    EXPECT_EQ(result.messageKind, BoxKind::Warning);
    EXPECT_EQ(noJournal.recordCount(), 0);
}

TEST(SplitColumn, SplitsEveryRowHeaderIncludedAtTheFirstSeparator)
{
    struct Case {
        char separator;
        std::vector<std::string> left, right;
    };
    const Case cases[] = {
        { ' ', { "JO31", "JO31", "", "a", "JO31-AA" }, { "AA", "", "lead", "b c", "" } },
        { '-', { "JO31 AA", "JO31", " lead", "a b c", "JO31" }, { "", "", "", "", "AA" } },
    };
    for (const Case &c : cases) {
        LogTable table = logOf({ "QTH RIG", "X" },
            { { "JO31 AA", "1" }, { "JO31", "2" }, { " lead", "3" }, { "a b c", "4" }, { "JO31-AA", "5" } });
        UndoJournal journal(table);
        const auto before = snapshot(table);
        const ToolResult result = splitColumn(table, journal, 1, c.separator);
        EXPECT_EQ(result.insertedColumns, std::vector<int> { 2 });
        EXPECT_EQ(result.undoRecords, 3);
        EXPECT_EQ(columnTexts(table, 1), c.left) << c.separator;
        EXPECT_EQ(columnTexts(table, 2), c.right) << c.separator;
        EXPECT_EQ(columnTexts(table, 3), (std::vector<std::string> { "1", "2", "3", "4", "5" }));
        if (c.separator == ' ') {
            EXPECT_EQ(table.text(0, 1), "QTH");
            EXPECT_EQ(table.text(0, 2), "RIG");
        }
        while (journal.canUndo())
            journal.undo();
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(CombineSelectedColumns, AppendsTheSelectedCellsWithBlanks)
{
    LogTable table = logOf({ "CALL", "NAME", "QTH", "RIG" },
        { { "DL1ABC", "Jo", "Berlin", "ft8" }, { "W1AW", "", "", "x" }, { "G4X", "  Al", "Leeds", "y" } });
    UndoJournal journal(table);
    // CALL is the target; NAME and QTH are selected in every row, RIG only in row 3.
    table.setSelection({ { 1, 1, 3, 3 }, { 3, 4, 3, 4 } });
    const ToolResult result = combineSelectedColumns(table, journal, 1);
    EXPECT_EQ(result.undoRecords, 1);
    EXPECT_EQ(columnTexts(table, 1),
        (std::vector<std::string> { "DL1ABC Jo Berlin ", "W1AW ", "G4X Al Leeds y " }));
    EXPECT_EQ(columnTexts(table, 2), (std::vector<std::string> { "Jo", "", "  Al" }));
    journal.undo();
    EXPECT_EQ(table.text(1, 1), "DL1ABC");

    table.clearSelection();
    EXPECT_FALSE(combineSelectedColumns(table, journal, 1).changedAnything());
}

TEST(JoinSelectedColumns, JoinsIntoTheFirstAndDeletesTheRest)
{
    LogTable table = logOf({ "A", "B", "C", "D" }, { { "A", "", "C", "d" }, { "1", "2", "3", "4" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    table.setSelection({ { 1, 1, 1, 1 }, { 2, 3, 2, 3 } }); // the range spans columns 1 to 3
    const ToolResult result = joinSelectedColumns(table, journal);
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "A", "D" }));
    EXPECT_EQ(columnTexts(table, 1), (std::vector<std::string> { "AC", "123" }));
    EXPECT_EQ(result.removedColumns, (std::vector<int> { 2, 3 }));
    EXPECT_EQ(result.undoRecords, 3);
    journal.undo();
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "A", "C", "D" }));
    journal.undo();
    journal.undo();
    EXPECT_EQ(snapshot(table), before);
}

TEST(ColumnText, AnyBytesAndEmptyTablesAreSafe)
{
    std::string bytes;
    for (int value = 0; value < 256; ++value)
        bytes += static_cast<char>(value);
    const Tool tools[] = { trimColumn, removeLeftCharacter, removeRightCharacter, addSerialNumbers,
        removing(CharacterClass::Letters), removing(CharacterClass::Digits),
        removing(CharacterClass::Symbols),
        [](LogTable &t, UndoJournal &j, int c) { return splitColumn(t, j, c, '\0'); } };
    for (const Tool &tool : tools) {
        LogTable table = logOf({ "X" }, { { bytes }, { "" } });
        UndoJournal journal(table);
        tool(table, journal, 1);
        while (journal.canUndo())
            journal.undo();
        EXPECT_EQ(table.text(1, 1), bytes);
        LogTable empty = logOf({ "X" }, {});
        UndoJournal emptyJournal(empty);
        EXPECT_EQ(tool(empty, emptyJournal, 1).cellsChanged, 0);
    }
}
