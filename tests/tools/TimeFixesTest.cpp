// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TimeFixes.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "tools/TimeShift.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

TEST(ShiftedMoment, FollowsTheCalendarAcrossDaysMonthsAndYears)
{
    struct Case {
        const char *date;
        const char *time;
        long long seconds;
        const char *newDate; // nullptr: not a valid moment
        const char *newTime;
    };
    const Case cases[] = {
        { "20240101", "2330", 3600, "20240102", "0030" },
        { "20241231", "2330", 3600, "20250101", "0030" },
        { "20240101", "001500", -1800, "20231231", "234500" },
        { "20240101", "0010", -1200, "20231231", "2350" },
        { "20240228", "2300", 3600, "20240229", "0000" },
        { "20230228", "2300", 3600, "20230301", "0000" },
        { "20240301", "0000", -60, "20240229", "2359" },
        { "20240331", "0130", 3600, "20240331", "0230" }, // no daylight-saving gap in UTC
        { "20240115", "120000", 86400 * 40, "20240224", "120000" },
        { "20240115", "1200", 59, "20240115", "1200" }, // four-digit times keep four digits
        { "20240115", "120030", 45, "20240115", "120115" },
        { "20241301", "1200", 60, nullptr, nullptr },
        { "20240230", "1200", 60, nullptr, nullptr },
        { "20240101", "2400", 60, nullptr, nullptr },
        { "20240101", "1260", 60, nullptr, nullptr },
        { "20240101", "120060", 60, nullptr, nullptr },
        { "2024010", "1200", 60, nullptr, nullptr },
        { "2024-1-1", "1200", 60, nullptr, nullptr },
        { "20240101", "12:0", 60, nullptr, nullptr },
        { "20240101", "12000", 60, nullptr, nullptr },
        { "20240101", "", 60, nullptr, nullptr },
        { "99991231", "2359", 60, nullptr, nullptr },
    };
    for (const Case &c : cases) {
        const auto moment = shiftedMoment(c.date, c.time, c.seconds);
        if (c.newDate == nullptr) {
            EXPECT_FALSE(moment) << c.date << " " << c.time;
            continue;
        }
        ASSERT_TRUE(moment) << c.date << " " << c.time;
        EXPECT_EQ(moment->date, c.newDate) << c.date << " " << c.time;
        EXPECT_EQ(moment->time, c.newTime) << c.date << " " << c.time;
    }
}

TEST(ShiftFieldValue, ReadsTheFirstThreeCharacters)
{
    const std::pair<const char *, long long> cases[] = { { "1000", 100 }, { "-30", -30 }, { "-300", -30 },
        { "", 0 }, { "x5", 0 }, { "5x", 5 }, { "+12", 12 } };
    for (const auto &[typed, value] : cases)
        EXPECT_EQ(shiftFieldValue(typed), value) << typed;
}

TEST(ShiftTimes, MissingColumnsWarnInOrderAndChangeNothing)
{
    struct Case {
        std::vector<std::string> headers;
        bool timeOn, timeOff;
        const char *message;
    };
    const Case cases[] = {
        { { "TIME_ON", "TIME_OFF" }, true, true, "QSO_DATE column is not found." },
        { { "QSO_DATE", "CALL" }, true, false, "TIME_ON and TIME_OFF columns are not found." },
        { { "QSO_DATE", "TIME_OFF" }, true, true, "TIME_ON column is not found." },
        { { "qso_date ", " time_on" }, true, true, "TIME_OFF column is not found." },
    };
    for (const Case &c : cases) {
        LogTable table = logOf(c.headers, { std::vector<std::string>(c.headers.size(), "20240101") });
        UndoJournal journal(table);
        const auto before = snapshot(table);
        TimeShiftRequest request { c.timeOn, c.timeOff, false, 60 };
        const ToolResult result = shiftTimes(table, journal, request);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.messageKind, BoxKind::Warning);
        EXPECT_EQ(journal.recordCount(), 0);
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(ShiftTimes, ShiftsTheRowsAndUndoRestoresEveryColumn)
{
    struct Case {
        const char *name;
        TimeShiftRequest request;
        std::vector<std::vector<std::string>> rows; // QSO_DATE, TIME_ON, QSO_DATE_OFF, TIME_OFF
        const char *message;
    };
    const Case cases[] = {
        { "both", { true, true, false, 3600 },
            { { "20250101", "0030", "20250101", "0040" }, { "20240301", "120000", "20240301", "130500" },
                { "20240102", "", "20240102", "0010" }, { "20241301", "2300", "20241301", "0010" },
                { "20240102", "0050", "20240102", "0040" } },
            "2 QSOs were left unchanged: the date or time is not a valid ADIF value." },
        { "off only", { false, true, false, -1800 },
            { { "20241231", "2330", "20241231", "2310" }, { "20240301", "110000", "20240301", "111500" },
                { "20240102", "", "20240101", "2340" }, { "20241301", "2300", "20241301", "0010" },
                { "20240101", "2350", "20240101", "2310" } },
            "1 QSO was left unchanged: the date or time is not a valid ADIF value." },
    };
    for (const Case &c : cases) {
        LogTable table = logOf({ "QSO_DATE", "TIME_ON", "QSO_DATE_OFF", "TIME_OFF" },
            { { "20241231", "2330", "20241231", "2340" }, { "20240301", "110000", "20240301", "120500" },
                { "20240102", "", "20240102", "0010" }, { "20241301", "2300", "20241301", "0010" },
                { "20240101", "2350", "20240101", "2340" } });
        if (std::string(c.name) == "off only")
            table.setText(2, 4, "114500");
        UndoJournal journal(table);
        const auto before = snapshot(table);
        const ToolResult result = shiftTimes(table, journal, c.request);
        for (std::size_t row = 0; row < c.rows.size(); ++row) {
            const std::vector<std::string> cells = snapshot(table)[row + 1];
            const std::vector<std::string> got(cells.begin() + 1, cells.end());
            EXPECT_EQ(got, c.rows[row]) << c.name << " row " << row + 1;
        }
        EXPECT_EQ(result.message, c.message) << c.name;
        while (journal.canUndo())
            journal.undo();
        EXPECT_EQ(snapshot(table), before) << c.name;
    }
}

TEST(ShiftTimes, WithoutDateOffTheEndTimeWrapsAndTheSelectionLimitsTheRows)
{
    LogTable table = logOf({ "QSO_DATE", "TIME_ON", "TIME_OFF" },
        { { "20240101", "2330", "2350" }, { "20240101", "1000", "1010" }, { "20240101", "1100", "1110" } });
    UndoJournal journal(table);
    table.setSelection({ { 1, 2, 2, 2 } });
    shiftTimes(table, journal, { true, true, true, 1200 });
    EXPECT_EQ(snapshot(table)[1], (std::vector<std::string> { "1", "20240101", "2350", "0010" }));
    EXPECT_EQ(snapshot(table)[2], (std::vector<std::string> { "2", "20240101", "1020", "1030" }));
    EXPECT_EQ(snapshot(table)[3], (std::vector<std::string> { "3", "20240101", "1100", "1110" }));
    EXPECT_EQ(journal.recordCount(), 3);

    table.clearSelection();
    const auto before = snapshot(table);
    EXPECT_EQ(shiftTimes(table, journal, { true, true, true, 60 }).cellsChanged, 0);
    EXPECT_EQ(snapshot(table), before);
}

TEST(CopyTimeColumn, CopiesTrimmedTimesAndAsksBeforeOverwriting)
{
    LogTable table
        = logOf({ "CALL", "TIME_OFF", "BAND" }, { { "A", " 1234 ", "20m" }, { "B", "123", "40m" } });
    UndoJournal journal(table);
    std::vector<std::string> questions;
    const auto answer = [&](bool yes) {
        return [&questions, yes](std::string_view question) {
            questions.emplace_back(question);
            return yes;
        };
    };
    copyTimeColumn(table, journal, true, answer(true));
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "CALL", "TIME_OFF", "TIME_ON", "BAND" }));
    EXPECT_EQ(cell(table, 1, "TIME_ON"), "1234");
    EXPECT_EQ(cell(table, 2, "TIME_ON"), "");

    table.setText(1, 3, "0000");
    EXPECT_FALSE(copyTimeColumn(table, journal, true, answer(false)).changedAnything());
    EXPECT_EQ(
        questions.back(), "The TIME_ON columns already exists.\nAre you sure you want to overwrite it?");
    EXPECT_EQ(cell(table, 1, "TIME_ON"), "0000");
    copyTimeColumn(table, journal, false, answer(true));
    EXPECT_EQ(
        questions.back(), "The TIME_OFF columns already exists.\nAre you sure you want to overwrite it?");
    EXPECT_EQ(cell(table, 1, "TIME_OFF"), "0000");
    EXPECT_EQ(cell(table, 2, "TIME_OFF"), "123");

    LogTable bare = logOf({ "CALL" }, { { "A" } });
    UndoJournal bareJournal(bare);
    EXPECT_EQ(
        copyTimeColumn(bare, bareJournal, true, answer(true)).message, "The TIME_OFF column is not found.");
    EXPECT_EQ(
        copyTimeColumn(bare, bareJournal, false, answer(true)).message, "The TIME_ON column is not found.");
}

TEST(SortByDateAndTime, AlternatesDirectionAndIsUndoable)
{
    LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON" },
        { { "C", "20240102", "0900" }, { "A", "20240101", "2300" }, { "B", "20240102", "0100" },
            { "D", "20240103", "12" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    const auto calls = [&] {
        std::string order;
        for (int row = 1; row < table.rowCount(); ++row)
            order += table.text(row, 1);
        return order;
    };
    const ToolResult first = sortByDateAndTime(table, journal);
    EXPECT_EQ(calls(), "ABCD");
    EXPECT_EQ(first.undoRecords, 1);
    EXPECT_TRUE(journal.isModified());
    sortByDateAndTime(table, journal);
    EXPECT_EQ(calls(), "DCBA");
    journal.undo();
    EXPECT_EQ(calls(), "ABCD");
    journal.undo();
    EXPECT_EQ(snapshot(table), before);
    EXPECT_FALSE(journal.isModified());

    LogTable noTime = logOf({ "QSO_DATE" }, { { "20240101" } });
    UndoJournal noTimeJournal(noTime);
    EXPECT_EQ(
        sortByDateAndTime(noTime, noTimeJournal).message, "TIME_ON and TIME_OFF columns are not found.");
    LogTable noDate = logOf({ "TIME_ON" }, { { "1200" } });
    EXPECT_EQ(sortByDateAndTime(noDate, noTimeJournal).message, "QSO_DATE column is not found.");
}
