// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DeprecatedModes.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "definitions/ValueLists.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

ValueLists lists()
{
    ValueLists lists;
    lists.modes = { "CW", "SSB", "MFSK", "PSK", "FT8" };
    // A bare name and an entry without a parent mode give the QSO no mode: they never convert.
    lists.submodes = { "FT4=MFSK", "BARE", "PSK31=PSK", "EMPTY=", "USB=SSB" };
    return lists;
}

} // namespace

TEST(ConvertDeprecatedModes, MovesSubmodesOutOfModeThroughEntriesWithAParent)
{
    LogTable table = logOf({ "CALL", "MODE", "RST" },
        { { "A", "ft4", "59" }, { "B", " CW ", "" }, { "C", "bare", "" }, { "D", "Psk31", "" },
            { "E", "empty", "" }, { "F", "X", "" }, { "G", "\xff\xfe", "" }, { "H", "", "" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    StopAfter progress(1000);
    const ToolResult result = convertDeprecatedModes(table, journal, lists(), progress);
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "CALL", "MODE", "SUBMODE", "RST" }));
    const std::vector<std::pair<std::string, std::string>> expected { { "MFSK", "FT4" }, { " CW ", "" },
        { "bare", "" }, { "PSK", "PSK31" }, { "empty", "" }, { "X", "" }, { "\xff\xfe", "" }, { "", "" } };
    for (int row = 1; row <= 8; ++row) {
        EXPECT_EQ(cell(table, row, "MODE"), expected[static_cast<std::size_t>(row - 1)].first) << row;
        EXPECT_EQ(cell(table, row, "SUBMODE"), expected[static_cast<std::size_t>(row - 1)].second) << row;
    }
    EXPECT_EQ(result.insertedColumns, std::vector<int> { 3 });
    EXPECT_EQ(result.undoRecords, 3); // MODE, the inserted SUBMODE, SUBMODE
    EXPECT_EQ(progress.labels, std::vector<std::string> { "Checking QSOs ..." });
    EXPECT_EQ(progress.percents.back(), 100);
    for (int step = 0; step < 3; ++step)
        journal.undo();
    EXPECT_EQ(snapshot(table), before);
}

TEST(ConvertDeprecatedModes, UsesTheExistingSubmodeColumnAndStopsWhenAsked)
{
    LogTable table = logOf({ "SUBMODE", "MODE" }, { { "old", "FT4" }, { "", "USB" } });
    UndoJournal journal(table);
    StopAfter stopAtOnce(0);
    EXPECT_FALSE(convertDeprecatedModes(table, journal, lists(), stopAtOnce).changedAnything());
    EXPECT_EQ(journal.recordCount(), 0);

    StopAfter progress(1000);
    const ToolResult result = convertDeprecatedModes(table, journal, lists(), progress);
    EXPECT_TRUE(result.insertedColumns.empty());
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "SUBMODE", "MODE" }));
    EXPECT_EQ(cell(table, 1, "SUBMODE"), "FT4");
    EXPECT_EQ(cell(table, 2, "MODE"), "SSB");
    EXPECT_EQ(cell(table, 2, "SUBMODE"), "USB");
}

TEST(ConvertDeprecatedModes, MissingColumnOrListsAreReported)
{
    struct Case {
        std::vector<std::string> header;
        bool emptyModes;
        bool emptySubmodes;
        const char *message;
    };
    const Case cases[] = { { { "CALL", "SUBMODE" }, false, false, "Please mark <MODE> area." },
        { { "MODE" }, true, false, "'Templates.dat' file is missing." },
        { { "MODE" }, false, true, "'Templates.dat' file is missing." } };
    for (const Case &c : cases) {
        LogTable table = logOf(c.header, { { "FT4", "FT4" } });
        UndoJournal journal(table);
        ValueLists given = lists();
        if (c.emptyModes)
            given.modes.clear();
        if (c.emptySubmodes)
            given.submodes.clear();
        StopAfter progress(1000);
        const ToolResult result = convertDeprecatedModes(table, journal, given, progress);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.messageKind, BoxKind::Warning);
        EXPECT_EQ(journal.recordCount(), 0);
    }
}
