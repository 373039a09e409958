// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/LogCheck.h"

#include "CheckTables.h"
#include "TestSupport.h"
#include "core/Text.h"
#include "definitions/Definitions.h"

#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::logOf;
using quillog::test::qsoHeaders;

namespace
{

const CheckColours colours { makeColour(220, 220, 220), makeColour(255, 200, 200) };
const Colour rowColour = makeColour(205, 150, 150);

ValueLists testLists()
{
    ValueLists lists;
    lists.modes = { "CW", "SSB", "FT8", "MFSK" };
    lists.bands = { "20M", "40M" };
    lists.submodes = { "FT4=MFSK", "USB=SSB", "OLDMODE" };
    return lists;
}

CheckResult check(LogTable &table, const ValueLists &lists = testLists())
{
    RunningFlag progress;
    return checkLog(table, lists, colours, progress);
}

// The headers of the row's marked cells, left to right.
std::string markedHeaders(const LogTable &table, int row)
{
    std::string headers;
    for (int column = 1; column < table.columnCount(); ++column) {
        if (table.backgroundColour(row, column) == colours.marked)
            headers += (headers.empty() ? "" : ",") + std::string(table.text(0, column));
    }
    return headers;
}

} // namespace

TEST(LogCheck, MarksEachFailedValueAndOnlyThat)
{
    struct Case {
        std::vector<std::string> qso; // CALL QSO_DATE TIME_ON BAND FREQ MODE
        const char *marked;
    };
    for (const Case &c : {
             Case { { "K1A", "20240105", "0915", "20m", "14.074", "ft8" }, "" },
             Case { { " K1ABC ", "20240105", "091500", "40M", "", "Cw" }, "" },
             Case { { "K1", "20240105", "0915", "20M", "", "CW" }, "CALL" },
             Case { { "K1ABC", "2024-01-05", "9:15", "20M", "", "CW" }, "QSO_DATE,TIME_ON" },
             Case { { "K1ABC", "20240105", "0915", "15M", "21.0", "CW" }, "BAND" },
             Case { { "K1ABC", "20240105", "0915", "20M", "", "PSK" }, "MODE" },
             Case { { "K1ABC", "20240105", "0915", "20M", "", "C" }, "MODE" },
             // The band follows from the frequency when BAND is empty; a given FREQ must be a number.
             Case { { "K1ABC", "20240105", "0915", "", "14.074", "CW" }, "" },
             Case { { "K1ABC", "20240105", "0915", "", "", "CW" }, "BAND,FREQ" },
             Case { { "K1ABC", "20240105", "0915", "20M", "-14", "CW" }, "FREQ" },
             Case { { "", "", "", "", "", "" }, "CALL,QSO_DATE,TIME_ON,BAND,FREQ,MODE" },
         }) {
        LogTable table = logOf(qsoHeaders, { c.qso });
        const CheckResult result = check(table);
        EXPECT_EQ(markedHeaders(table, 1), c.marked) << ::testing::PrintToString(c.qso);
        EXPECT_EQ(result.invalidFound, *c.marked != '\0');
        EXPECT_EQ(result.failedRows.size(), *c.marked != '\0' ? 1u : 0u);
    }
}

TEST(LogCheck, WithoutABandColumnTheFrequencyMustBeGiven)
{
    LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "FREQ", "MODE" },
        { { "K1ABC", "20240105", "0915", "14.074", "CW" }, { "K1ABC", "20240105", "0915", "", "CW" } });
    check(table);
    EXPECT_EQ(markedHeaders(table, 1), "");
    EXPECT_EQ(markedHeaders(table, 2), "FREQ");
}

TEST(LogCheck, OnlyTheQsoStartTimeIsTested)
{
    // An optional TIME_OFF left empty, or another field with TIME in its name, is no fault of the QSO.
    LogTable table
        = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "TIME_OFF", "NEXT_QSL_POSTING_TIME" },
            { { "K1ABC", "20240105", "0915", "20M", "CW", "", "" },
                { "K1ABC", "20240105", "9:15", "20M", "CW", "0920", "20240201" } });
    check(table);
    EXPECT_EQ(markedHeaders(table, 1), "");
    EXPECT_EQ(markedHeaders(table, 2), "TIME_ON");
}

TEST(LogCheck, PaintsPassedRowsNormalAndTheRestOfAFailedRowInTheRowColour)
{
    LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "NAME" },
        { { "K1ABC", "20240105", "0915", "20M", "CW", "Al" },
            { "K1", "20240105", "0915", "20M", "CW", "Bo" } });
    check(table);
    EXPECT_EQ(rowColourFor(colours.marked), rowColour);
    for (int column = 1; column < table.columnCount(); ++column) {
        EXPECT_EQ(table.backgroundColour(1, column), colours.normal) << column;
        EXPECT_EQ(table.backgroundColour(2, column), column == 1 ? colours.marked : rowColour) << column;
    }
    EXPECT_FALSE(table.backgroundColour(0, 1).has_value());
    EXPECT_FALSE(table.backgroundColour(1, 0).has_value());
    EXPECT_EQ(table.text(2, 1), "K1");
}

TEST(LogCheck, RowColourDarkensEachPartByFiftyAndStopsAtZero)
{
    EXPECT_EQ(rowColourFor(makeColour(255, 200, 200)), makeColour(205, 150, 150));
    EXPECT_EQ(rowColourFor(makeColour(30, 50, 100)), makeColour(0, 0, 50));
}

TEST(LogCheck, ClearsOldMarksInColumnsItDoesNotTest)
{
    LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "NAME" },
        { { "K1ABC", "20240105", "0915", "20M", "CW", "Al" },
            { "K1", "20240105", "0915", "20M", "CW", "Bo" } });
    // Marks of an earlier check whose time column was NAME's neighbour, say.
    table.setBackgroundColour(1, 6, colours.marked);
    table.setBackgroundColour(2, 6, colours.marked);
    check(table);
    EXPECT_EQ(table.backgroundColour(1, 6), colours.normal);
    EXPECT_EQ(table.backgroundColour(2, 6), rowColour);
    EXPECT_EQ(markedHeaders(table, 2), "CALL");
}

TEST(LogCheck, ClosingMessageTellsCleanFromInvalidAndNamesDeprecatedModes)
{
    struct Case {
        const char *mode;
        CheckStatus status;
        CheckMessageKind kind;
        std::string_view message;
    };
    for (const Case c :
        {
            Case { "ssb", CheckStatus::Clean, CheckMessageKind::Information, kCheckCleanMessage },
            Case { "ESSB", CheckStatus::InvalidFound, CheckMessageKind::Warning, kCheckInvalidMessage },
            Case { "ft4", CheckStatus::InvalidFound, CheckMessageKind::Warning, kCheckDeprecatedModeMessage },
            Case { "Usb", CheckStatus::InvalidFound, CheckMessageKind::Warning, kCheckDeprecatedModeMessage },
            // An entry without "=" names no submode.
            Case { "OLDMODE", CheckStatus::InvalidFound, CheckMessageKind::Warning, kCheckInvalidMessage },
        }) {
        LogTable table = logOf(qsoHeaders, { { "K1ABC", "20240105", "0915", "20M", "", c.mode } });
        const CheckResult result = check(table);
        EXPECT_EQ(result.status, c.status) << c.mode;
        EXPECT_EQ(result.messageKind, c.kind) << c.mode;
        EXPECT_EQ(result.message, c.message) << c.mode;
        EXPECT_EQ(result.deprecatedModeSeen, c.message == kCheckDeprecatedModeMessage) << c.mode;
    }
    LogTable empty = logOf(qsoHeaders, {});
    EXPECT_EQ(check(empty).message, kCheckCleanMessage);
}

TEST(LogCheck, AMissingColumnLeavesEveryColourAsItWas)
{
    LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND" }, { { "K1", "", "", "" } });
    table.setBackgroundColour(1, 2, colours.marked);
    const CheckResult result = check(table);
    EXPECT_EQ(result.status, CheckStatus::MissingColumn);
    EXPECT_EQ(result.messageKind, CheckMessageKind::Warning);
    EXPECT_EQ(result.message, "Please mark <MODE> area.");
    EXPECT_FALSE(table.backgroundColour(1, 1).has_value());
    EXPECT_EQ(table.backgroundColour(1, 2), colours.marked);
}

TEST(LogCheck, StopEndsAfterTheCurrentRowWithoutAMessage)
{
    LogTable table = logOf(qsoHeaders,
        { { "K1", "20240105", "0915", "20M", "", "CW" }, { "K2", "20240105", "0915", "20M", "", "CW" },
            { "K3", "20240105", "0915", "20M", "", "CW" } });
    test::StopAfter progress(1); // asked once per row: row 1 is checked, then Stop counts
    const CheckResult result = checkLog(table, testLists(), colours, progress);
    EXPECT_EQ(result.status, CheckStatus::Stopped);
    EXPECT_EQ(result.messageKind, CheckMessageKind::None);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(result.rowsChecked, 1);
    EXPECT_TRUE(result.invalidFound);
    EXPECT_EQ(markedHeaders(table, 1), "CALL");
    EXPECT_FALSE(table.backgroundColour(2, 1).has_value());
    EXPECT_EQ(progress.labels, std::vector<std::string> { "Checking QSOs ..." });
    EXPECT_EQ(progress.percents, (std::vector<int> { 25, 100 }));
}

TEST(LogCheck, ProgressRisesWithTheRowsOnce)
{
    std::vector<std::vector<std::string>> rows(199, { "K1ABC", "20240105", "0915", "20M", "", "CW" });
    LogTable table = logOf(qsoHeaders, rows);
    test::StopAfter progress(1000);
    checkLog(table, testLists(), colours, progress);
    // 100 * row / 200 for rows 1 to 199 gives 0 to 99 once each; the end sets 100.
    ASSERT_EQ(progress.percents.size(), 101u);
    EXPECT_EQ(progress.percents.front(), 0);
    EXPECT_EQ(progress.percents[99], 99);
    EXPECT_EQ(progress.percents.back(), 100);
}

TEST(LogCheck, EveryBandAndModeOfTheShippedListsPassesInAnyLetterCase)
{
    const std::string dataFolder = test::freshFolder("check-lists").string();
    const DefinitionsLoad load = loadDefinitions(QUILLOG_TEMPLATES_FILE, dataFolder);
    ASSERT_TRUE(load.ok) << load.message;
    const ValueLists &lists = load.definitions;
    std::vector<std::vector<std::string>> rows;
    for (const std::string &band : lists.bands) {
        for (const std::string &spelling : { band, toLower(band) })
            rows.push_back({ "K1ABC", "20240105", "0915", spelling, "", "CW" });
    }
    for (const std::string &mode : lists.modes) {
        for (const std::string &spelling : { mode, toLower(mode) })
            rows.push_back({ "K1ABC", "20240105", "0915", "20m", "", spelling });
    }
    LogTable table = logOf(qsoHeaders, rows);
    const CheckResult result = check(table, lists);
    EXPECT_EQ(result.message, kCheckCleanMessage) << result.failedRows.size();

    // Every submode given as a mode is flagged as a deprecated mode.
    rows.clear();
    for (const std::string &entry : lists.submodes)
        rows.push_back({ "K1ABC", "20240105", "0915", "20m", "", toLower(submodeName(entry)) });
    LogTable submodes = logOf(qsoHeaders, rows);
    const CheckResult flagged = check(submodes, lists);
    EXPECT_EQ(flagged.failedRows.size(), lists.submodes.size());
    EXPECT_EQ(flagged.message, kCheckDeprecatedModeMessage);
}
