// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "tools/Find.h"
#include "tools/ModeConversion.h"
#include "tools/Replace.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

ReplaceRequest wholeTable(std::string find, std::string replacement, bool matchCase, bool wholeCell)
{
    ReplaceRequest request;
    request.find = std::move(find);
    request.replacement = std::move(replacement);
    request.matchCase = matchCase;
    request.wholeCell = wholeCell;
    return request;
}

std::vector<std::string> column(const LogTable &table, int index)
{
    std::vector<std::string> cells;
    for (int row = 1; row < table.rowCount(); ++row)
        cells.emplace_back(table.text(row, index));
    return cells;
}

} // namespace

TEST(ReplacedText, WholeCellOrFirstOccurrence)
{
    struct Case {
        const char *cell;
        const char *find;
        const char *replacement;
        bool matchCase;
        bool wholeCell;
        const char *expected; // nullptr: no match
    };
    const Case cases[] = {
        { "ssb", "ssb", "SSB", false, true, "SSB" },
        { "Ssb", "ssb", "SSB", false, true, "SSB" },
        { "USB SSB", "ssb", "SSB", false, true, nullptr },
        { "USB ssb", "ssb", "SSB", false, false, "USB SSB" },
        { "ssb ssb", "ssb", "SSB", false, false, "SSB ssb" },
        { "aXbxc", "x", "--", true, false, "aXb--c" },
        { "Ssb", "ssb", "SSB", true, true, nullptr },
        { "DL1abc/p", "ABC", "XYZ", false, false, "DL1XYZ/p" },
        { "", "", "CW", false, true, "CW" },
        { "abc", "", "CW", false, false, nullptr },
        { "abc", "abcd", "x", false, false, nullptr },
        { "\xff\xfez", "Z", "Y", false, false, "\xff\xfeY" },
    };
    for (const Case &c : cases) {
        ReplaceRequest request = wholeTable(c.find, c.replacement, c.matchCase, c.wholeCell);
        const auto replaced = replacedText(c.cell, request);
        if (c.expected == nullptr)
            EXPECT_FALSE(replaced) << c.cell;
        else
            EXPECT_EQ(replaced.value_or("(none)"), c.expected) << c.cell;
    }
}

TEST(ReplaceInTable, ScopesDecideTheCellsAndTheRecords)
{
    const auto fresh = [] {
        return logOf({ "MODE", "COMMENT" }, { { "ssb", "ssb" }, { "cw", "ssb" }, { "ssb", "x" } });
    };
    struct Case {
        ReplaceScope scope;
        int currentColumn;
        CellRange selection;
        std::vector<std::string> mode, comment;
        int undoRecords;
    };
    const Case cases[] = {
        { ReplaceScope::WholeTable, 1, {}, { "SSB", "cw", "SSB" }, { "SSB", "SSB", "x" }, 2 },
        { ReplaceScope::Column, 2, {}, { "ssb", "cw", "ssb" }, { "SSB", "SSB", "x" }, 2 },
        { ReplaceScope::Selection, 1, { 1, 1, 1, 1 }, { "SSB", "cw", "ssb" }, { "ssb", "ssb", "x" }, 2 },
        { ReplaceScope::Selection, 2, { 2, 1, 3, 2 }, { "ssb", "cw", "SSB" }, { "ssb", "SSB", "x" }, 3 },
        { ReplaceScope::Selection, 1, { 0, 0, 99, 99 }, { "SSB", "cw", "SSB" }, { "SSB", "SSB", "x" }, 3 },
        { ReplaceScope::Column, 0, {}, { "ssb", "cw", "ssb" }, { "ssb", "ssb", "x" }, 0 },
        { ReplaceScope::Column, 7, {}, { "ssb", "cw", "ssb" }, { "ssb", "ssb", "x" }, 0 },
    };
    for (const Case &c : cases) {
        LogTable table = fresh();
        UndoJournal journal(table);
        const auto before = snapshot(table);
        ReplaceRequest request = wholeTable("SSB", "SSB", false, true);
        request.scope = c.scope;
        request.currentColumn = c.currentColumn;
        request.selection = c.selection;
        const ToolResult result = replaceInTable(table, journal, request);
        EXPECT_EQ(column(table, 1), c.mode) << static_cast<int>(c.scope) << c.currentColumn;
        EXPECT_EQ(column(table, 2), c.comment) << static_cast<int>(c.scope) << c.currentColumn;
        EXPECT_EQ(result.undoRecords, c.undoRecords) << static_cast<int>(c.scope) << c.currentColumn;
        EXPECT_EQ(table.text(0, 1), "MODE");
        while (journal.canUndo())
            journal.undo();
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(ReplaceInTable, AnyTextFillsEveryCellOfTheRange)
{
    LogTable table = logOf({ "RST_SENT", "RST_RCVD" }, { { "", "59" }, { "57", "" } });
    UndoJournal journal(table);
    ReplaceRequest request = wholeTable("ignored", "599", false, false);
    request.anyText = true;
    request.scope = ReplaceScope::Column;
    request.currentColumn = 1;
    EXPECT_EQ(replaceInTable(table, journal, request).cellsChanged, 2);
    EXPECT_EQ(column(table, 1), (std::vector<std::string> { "599", "599" }));
    EXPECT_EQ(column(table, 2), (std::vector<std::string> { "59", "" }));
}

TEST(ConvertModeColumn, RenamesWholeCellsAndAnEmptyTargetOnlyRecords)
{
    LogTable table = logOf({ "MODE" }, { { "usb" }, { "USB" }, { "LSB USB" }, { " usb" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    const ToolResult nothing = convertModeColumn(table, journal, 1, "USB", "");
    EXPECT_EQ(nothing.cellsChanged, 0);
    EXPECT_EQ(journal.recordCount(), 1);
    EXPECT_EQ(snapshot(table), before);

    const ToolResult renamed = convertModeColumn(table, journal, 1, "USB", "SSB");
    EXPECT_EQ(renamed.cellsChanged, 2);
    EXPECT_EQ(column(table, 1), (std::vector<std::string> { "SSB", "SSB", "LSB USB", " usb" }));
    journal.undo();
    EXPECT_EQ(snapshot(table), before);
    EXPECT_EQ(convertModeColumn(table, journal, 9, "USB", "SSB").message, "Cannot find MODE column.");
}

TEST(FirstListedMode, IsTheFirstCellNamingAModeOfTheList)
{
    const LogTable table = logOf({ "MODE" }, { { "" }, { "xyz" }, { " ft8 " }, { "CW" } });
    EXPECT_EQ(firstListedMode(table, 1, { "CW", "FT8" }), "FT8");
    EXPECT_EQ(firstListedMode(table, 1, { "SSB" }), "");
}

TEST(FindNext, WalksDownOrUpAndStartsOverAtTheEnd)
{
    const LogTable table = logOf({ "CALL", "COMMENT" },
        { { "DL1ABC", "" }, { "K1AB", "abc" }, { "W1AW", "" }, { "G4ABC", "x" }, { "N0CALL", "" } });
    FindState state;
    FindRequest request;
    request.text = "ABC";
    struct Step {
        bool up;
        int row;
        int column;
    };
    // Down from the top: rows 1, 2 and 4; then the end (no hit); then from the top again. Up from row 2
    // reaches row 1, then nothing above it.
    const Step steps[] = { { false, 1, 1 }, { false, 2, 2 }, { false, 4, 1 }, { false, -1, -1 },
        { false, 1, 1 }, { false, 2, 2 }, { true, 1, 1 }, { true, -1, -1 } };
    for (const Step &step : steps) {
        request.searchUp = step.up;
        const FindHit hit = findNext(table, state, request);
        EXPECT_EQ(hit.row, step.row);
        EXPECT_EQ(hit.column, step.column);
    }
    EXPECT_EQ(state.startRow, 1);
}

TEST(FindNext, NewTextInColumnCaseAndWholeCell)
{
    const LogTable table = logOf({ "CALL", "BAND" }, { { "A", "20M" }, { "B", "20m" }, { "C", "2" } });
    FindState state;
    FindRequest request;
    request.text = "20m";
    EXPECT_EQ(findNext(table, state, request).row, 1);
    request.matchCase = true;
    EXPECT_EQ(findNext(table, state, request).row, 2);
    request.text = "2";
    request.matchCase = false;
    EXPECT_EQ(findNext(table, state, request).row, 1); // a new text starts over
    request.wholeCell = true;
    EXPECT_EQ(findNext(table, state, request).row, 2); // the row-number column holds "2"
    EXPECT_EQ(findNext(table, state, request).column, 2);
    request.inColumn = true;
    request.currentColumn = 1;
    request.text = "b";
    request.wholeCell = false;
    EXPECT_EQ(findNext(table, state, request).row, 2);
    request.searchUp = true;
    state.startRow = 0; // the dialog was opened again
    EXPECT_FALSE(findNext(table, state, request).found());
    EXPECT_EQ(state.startRow, 0);
    EXPECT_EQ(notFoundMessage("b"), "Cannot find the string:  'b'");
}

TEST(FindAll, ListsAtMostAHundredRows)
{
    struct Case {
        int rows;
        std::size_t listed;
        const char *title;
    };
    const Case cases[] = { { 0, 0, "Search results: 0 QSO found" }, { 1, 1, "Search results: 1 QSO found" },
        { 2, 2, "Search results: 2 QSOs found" }, { 100, 100, "Search results: 100 QSOs found" },
        { 150, 100, "Search results: more than 100 QSOs found" } };
    for (const Case &c : cases) {
        std::vector<std::vector<std::string>> rows;
        for (int i = 0; i < c.rows; ++i)
            rows.push_back({ "K" + std::to_string(i), i % 2 == 0 ? "ft8" : "FT8" });
        rows.push_back({ "W1AW", "CW" });
        const LogTable table = logOf({ "CALL", "MODE" }, rows);
        FindRequest request;
        request.text = "Ft8";
        const FindAllResult found = findAll(table, request);
        EXPECT_EQ(found.rows.size(), c.listed);
        EXPECT_EQ(searchResultsTitle(found), c.title);
        EXPECT_EQ(found.rows.empty() ? 1 : found.rows.front(), 1);
    }
}

TEST(FindAll, HonoursCaseWholeCellAndColumnWhenAsked)
{
    struct Case {
        const char *text;
        bool matchCase;
        bool wholeCell;
        int column;
        std::vector<int> rows;
    };
    const LogTable table = logOf({ "CALL", "MODE" }, { { "ft8", "1" }, { "FT8", "FT8x" }, { "2", "ft8" } });
    const Case cases[] = { { "FT8", true, false, -1, { 2 } }, { "FT8", false, false, -1, { 1, 2, 3 } },
        { "FT8", false, true, -1, { 1, 2, 3 } }, { "FT8", false, true, 2, { 3 } },
        { "ft8", true, false, 2, { 3 } }, { "2", false, false, -1, { 3 } }, { "1", false, true, 1, {} } };
    for (const Case &c : cases) {
        FindRequest request { c.text, c.wholeCell, c.matchCase, c.column > 0, false, c.column };
        EXPECT_EQ(findAll(table, request).rows, c.rows) << c.text << c.column;
    }
}
