// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CheckColumns.h"

#include "CheckTables.h"

#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::logOf;

TEST(CheckColumns, MissingColumnsAreReportedFirstCallThenModeDateTimeAndBandOrFrequency)
{
    struct Case {
        std::vector<std::string> headers;
        const char *message;
    };
    for (const Case &c : {
             Case { {}, "Please mark <CALL> area." },
             Case { { "QSO_DATE", "TIME_ON", "BAND" }, "Please mark <CALL> area." },
             Case { { "CALL", "QSO_DATE", "TIME_ON", "BAND" }, "Please mark <MODE> area." },
             Case { { "CALL", "MODE", "TIME_ON", "BAND" }, "Please mark <QSO_DATE> area." },
             Case { { "CALL", "MODE", "QSO_DATE", "BAND" }, "Please mark <TIME_ON> area." },
             Case { { "CALL", "MODE", "QSO_DATE", "TIME_ON" }, "Please mark <FREQ> or <BAND> area." },
             Case { { "CALL", "MODE", "QSO_DATE", "TIME_ON", "BAND" }, "" },
             Case { { "CALL", "MODE", "QSO_DATE", "TIME_OFF", "FREQ" }, "" },
         }) {
        EXPECT_EQ(missingColumnMessage(findCheckColumns(logOf(c.headers, {}))), c.message)
            << ::testing::PrintToString(c.headers);
    }
}

TEST(CheckColumns, HeadersAreTrimmedAndUpperCasedAndTheRightmostMatchWins)
{
    const CheckColumns columns = findCheckColumns(
        logOf({ "call", " CALL ", "", "Mode", "qso_date", "band", "FREQ", "TIME_ON" }, {}));
    EXPECT_EQ(columns.call, 2);
    EXPECT_EQ(columns.mode, 4);
    EXPECT_EQ(columns.date, 5);
    EXPECT_EQ(columns.band, 6);
    EXPECT_EQ(columns.frequency, 7);
    EXPECT_EQ(columns.time, 8);
    // The "#" column is no data column, whatever its header.
    LogTable onlyNumbers = logOf({}, {});
    onlyNumbers.setText(0, 0, "CALL");
    EXPECT_EQ(findCheckColumns(onlyNumbers).call, -1);
}

TEST(CheckColumns, TheTimeIsTheQsoStartBeforeItsEndBeforeAnyOtherTimeField)
{
    struct Case {
        std::vector<std::string> headers;
        int time;
    };
    for (const Case &c : {
             Case { { "TIME_ON", "TIME_OFF" }, 1 },
             Case { { "TIME_OFF", "TIME_ON" }, 2 },
             Case { { "TIME_ON", "CALL", "TIME_ON" }, 3 },
             Case { { "TIME_ON", "NEXT_QSL_POSTING_TIME" }, 1 },
             Case { { "TIME_ON", "APP_LOGGER_TIME_OFF" }, 1 },
             Case { { "TIME_OFF", "APP_LOTW_QSO_TIMESTAMP" }, 1 },
             Case { { "APP_LOGGER_TIME_OFF", "QSO_DATE" }, 1 },
             Case { { "QSO_DATE", "QSO_DATE_OFF" }, -1 },
         }) {
        EXPECT_EQ(findCheckColumns(logOf(c.headers, {})).time, c.time) << ::testing::PrintToString(c.headers);
    }
}
