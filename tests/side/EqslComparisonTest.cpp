// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/EqslComparison.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/Progress.h"
#include "formats/AdiReader.h"
#include "side/QsoMoment.h"

#include <gtest/gtest.h>
#include <map>

using namespace quillog;
using quillog::test::logOf;

namespace
{

// One inbox record: call, date, time and any further fields as "<NAME:n>value" text.
std::string record(
    std::string_view call, std::string_view date, std::string_view time, std::string extra = "")
{
    auto field = [](std::string_view name, std::string_view value) {
        return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value);
    };
    return field("CALL", call) + field("QSO_DATE", date) + field("TIME_ON", time) + extra + "<EOR>\n";
}

const std::string swl = "<APP_EQSL_SWL:1>Y";
const std::string received = "<EQSL_QSL_RCVD:1>Y";
const std::string inboxHeader = "ADIF 3 Export from eQSL.cc\n<PROGRAMID:21>eQSL.cc DownloadInBox<EOH>\n";

std::vector<std::string> selectedCalls(const EqslComparison &result)
{
    std::vector<std::string> calls;
    for (int row = 1; row < result.records.rowCount(); ++row)
        calls.push_back(test::cell(result.records, row, "CALL"));
    return calls;
}

EqslComparison compare(const std::string &inbox, const LogTable &log, const EqslFilter &filter)
{
    RunningFlag running;
    return compareEqslInbox(test::bufferOf(inbox), log, filter, running);
}

EqslFilter only(bool newEqsls, bool alreadyReceived, bool notInLog, bool swlReports)
{
    EqslFilter filter;
    filter.newEqsls = newEqsls;
    filter.alreadyReceived = alreadyReceived;
    filter.notInLog = notInLog;
    filter.swl = swlReports;
    return filter;
}

const EqslFilter newOnly = only(true, false, false, false);
const EqslFilter receivedOnly = only(false, true, false, false);
const EqslFilter notInLogOnly = only(false, false, true, false);
const EqslFilter swlOnly = only(false, false, false, true);

} // namespace

TEST(QsoMinute, TakesValidDatesAndTimesOnly)
{
    EXPECT_EQ(*qsoMinute("20240102", "0001") - *qsoMinute("20240101", "2359"), 2);
    EXPECT_EQ(*qsoMinute("20240301", "000559") - *qsoMinute("20240229", "2355"), 10);
    for (const auto &[date, time] :
        std::vector<std::pair<std::string, std::string>> { { "2024010", "1200" }, { "202401011", "1200" },
            { "20241301", "1200" }, { "20230229", "1200" }, { "2024AB01", "1200" }, { "20240101", "120" },
            { "20240101", "2400" }, { "20240101", "1260" }, { "20240101", "12:0" }, { "", "" } })
        EXPECT_FALSE(qsoMinute(date, time).has_value()) << date << " " << time;
}

TEST(CompareEqslInbox, MatchesTimesWithinTheWindowOnly)
{
    struct Case {
        const char *what, *logDate, *logTime, *expected; // "received", "new" or "missing"
    };
    const std::string inbox = inboxHeader + record("DL1ABC", "20240101", "2358", received);
    for (const Case c : { Case { "same minute", "20240101", "2358", "received" },
             { "six minutes later", "20240102", "0004", "received" },
             { "six minutes earlier", "20240101", "2352", "received" },
             { "seven minutes later", "20240102", "0005", "new" },
             { "ten minutes earlier", "20240101", "2348", "new" },
             { "a day later", "20240102", "2358", "new" },
             { "log time not valid", "20240101", "9999", "new" } }) {
        const LogTable log = logOf({ "CALL", "QSO_DATE", "TIME_ON" }, { { "DL1ABC", c.logDate, c.logTime } });
        const std::map<std::string, EqslFilter> filters
            = { { "received", receivedOnly }, { "new", newOnly }, { "missing", notInLogOnly } };
        for (const auto &[name, filter] : filters) {
            const EqslComparison result = compare(inbox, log, filter);
            EXPECT_EQ(result.selected(), name == c.expected ? 1 : 0) << c.what << " under " << name;
        }
    }
}

TEST(CompareEqslInbox, SelectsTheChosenCategories)
{
    const std::string inbox = inboxHeader + record("K1AAA", "20240310", "1200") // in the log, matches
        + record("K1BBB", "20240310", "1200", received) // matches, confirmed by the record
        + record("K1CCC", "20240310", "1200") // matches a log QSO that already notes the eQSL
        + record("K1DDD", "20240310", "1200") // not in the log
        + record("K1EEE", "20240310", "1200", swl) // a listener's report, never compared
        + record("k1fff", "20240310", "1200") // the log writes the call in upper case
        + record("K1GGG", "20240310", "") // no time: only Not in Log
        + record("K1AAA", "20240310", "1400"); // in the log, but at another time
    const LogTable log = logOf({ "CALL", "QSO_DATE", "TIME_ON", "EQSL_QSL_RCVD" },
        { { "K1AAA", "20240310", "1203", "" }, { "K1BBB", "20240310", "1159", "" },
            { "K1CCC", "20240310", "1200", "Y" }, { "K1EEE", "20240310", "1200", "" },
            { "K1FFF ", "20240310", "1200", "" }, { "K1GGG", "20240310", "1200", "" } });
    struct Case {
        EqslFilter filter;
        std::vector<std::string> expected;
    };
    for (const Case &c : { Case { newOnly, { "K1AAA", "k1fff", "K1AAA" } },
             { receivedOnly, { "K1BBB", "K1CCC" } }, { notInLogOnly, { "K1DDD", "K1GGG" } },
             { swlOnly, { "K1EEE" } }, { only(false, false, false, false), { "K1AAA", "k1fff", "K1AAA" } },
             { only(true, true, true, true),
                 { "K1AAA", "K1BBB", "K1CCC", "K1DDD", "K1EEE", "k1fff", "K1GGG", "K1AAA" } } }) {
        const EqslComparison result = compare(inbox, log, c.filter);
        EXPECT_EQ(selectedCalls(result), c.expected);
        EXPECT_EQ(result.message.empty(), !c.expected.empty());
    }
}

TEST(CompareEqslInbox, DateFilterIncludesBothDays)
{
    const std::string inbox = inboxHeader + record("A1A", "20240229", "2359")
        + record("B1B", "20240301", "0005") + record("C1C", "20240331", "2355")
        + record("D1D", "20240401", "0000") + record("E1E", "2024040", "0000");
    const LogTable log = logOf({ "CALL", "QSO_DATE", "TIME_ON" }, { { "Z9Z", "20240301", "1200" } });
    EqslFilter filter = notInLogOnly;
    filter.useDateFilter = true;
    filter.fromDate = 20240301;
    filter.toDate = 20240331;
    // A record without a usable date cannot be placed in time: it is listed as not in the log.
    EXPECT_EQ(selectedCalls(compare(inbox, log, filter)), (std::vector<std::string> { "B1B", "C1C", "E1E" }));
}

TEST(CompareEqslInbox, TakesTimeOffWhereTimeOnIsMissing)
{
    const std::string inbox = inboxHeader + "<CALL:3>A1A<QSO_DATE:8>20240301<TIME_OFF:4>1200<EOR>\n";
    const LogTable log
        = logOf({ "CALL", "QSO_DATE", "TIME_ON", "TIME_OFF" }, { { "A1A", "20240301", "", "1205" } });
    const EqslComparison result = compare(inbox, log, newOnly);
    EXPECT_EQ(selectedCalls(result), (std::vector<std::string> { "A1A" }));
    EXPECT_EQ(result.logRows, (std::vector<int> { 1 }));
}

TEST(CompareEqslInbox, RecognisesInboxDownloadsOnly)
{
    const LogTable log = logOf({ "CALL", "QSO_DATE", "TIME_ON" }, { { "Z9Z", "20240301", "1200" } });
    struct Case {
        const char *what;
        std::string inbox;
        int selected;
    };
    for (const Case &c : {
             Case { "header names eQSL", inboxHeader + record("A1A", "20240301", "1200"), 1 },
             { "APP_EQSL_AG without header", record("A1A", "20240301", "1200", "<APP_EQSL_AG:1>Y"), 1 },
             { "EQSL_QSL_RCVD", record("A1A", "20240301", "1200", received), 1 },
             { "APP_EQSL_SWL only", record("A1A", "20240301", "1200", "<app_eqsl_swl:1>Y"), 0 },
             { "an ordinary log", "Log export<EOH>" + record("A1A", "20240301", "1200"), 0 },
             { "not ADIF", std::string("\x00\xff<<>>:<EOR", 11), 0 },
             { "empty", "", 0 },
         }) {
        EqslFilter filter = notInLogOnly;
        const EqslComparison result = compare(c.inbox, log, filter);
        EXPECT_EQ(result.selected(), c.selected) << c.what;
        EXPECT_EQ(result.message, c.selected > 0 ? "" : "No eQSL records found.") << c.what;
    }
    EXPECT_EQ(compare(record("A1A", "20240301", "1200", "<APP_EQSL_SWL:1>Y"), log, swlOnly).selected(), 1);
}

TEST(CompareEqslInbox, NeedsCallDateAndTimeInTheLog)
{
    const std::string inbox = inboxHeader + record("A1A", "20240301", "1200");
    for (const auto &header : std::vector<std::vector<std::string>> {
             { "CALL", "QSO_DATE" }, { "CALL", "TIME_ON" }, { "QSO_DATE", "TIME_ON" } }) {
        const EqslComparison result = compare(inbox, logOf(header, { { "A1A", "20240301" } }), notInLogOnly);
        EXPECT_EQ(result.selected(), 0) << header[0] << header[1];
        EXPECT_EQ(result.message, "No eQSL records found.");
    }
    const LogTable lowerCase = logOf({ "call", "qso_date", "time_off" }, { { "A1A", "20240301", "1200" } });
    EXPECT_EQ(compare(inbox, lowerCase, newOnly).selected(), 1);
}

TEST(CompareEqslInbox, ResultGridHasTheInboxFieldsAndValues)
{
    const std::string inbox = inboxHeader + record("A1A", "20240301", "1200", "<band:3>20M")
        + record("B1B", "20240301", "1200", "<GRIDSQUARE:4>JO01");
    const EqslComparison result = compare(inbox, logOf({ "CALL", "QSO_DATE", "TIME_ON" }, {}), notInLogOnly);
    EXPECT_EQ(test::snapshot(result.records),
        (std::vector<std::vector<std::string>> { { "CALL", "QSO_DATE", "TIME_ON", "BAND", "GRIDSQUARE" },
            { "A1A", "20240301", "1200", "20M", "" }, { "B1B", "20240301", "1200", "", "JO01" } }));
    EXPECT_EQ(result.logRows, (std::vector<int> { -1, -1 }));
}

// A real inbox download against a log made from it with some QSOs moved and some removed.
TEST(CompareEqslInbox, RealInboxAgainstALogBuiltFromIt)
{
    const std::string path = test::dataFile("adi/eqsl_inbox_swl.adi");
    LogTable log;
    RunningFlag running;
    ASSERT_TRUE(readAdiFile(path, log, {}, running).ok);
    ASSERT_EQ(log.qsoCount(), 373);
    std::map<std::string, int> callCount;
    for (int row = 1; row < log.rowCount(); ++row)
        ++callCount[test::cell(log, row, "CALL")];
    // Remove three records whose call occurs once and which are no SWL reports; move two by ten minutes.
    const int timeColumn = log.findColumn("TIME_ON");
    int removed = 0, moved = 0;
    for (int row = log.rowCount() - 1; row >= 1 && removed < 3; --row) {
        if (callCount[test::cell(log, row, "CALL")] == 1 && test::cell(log, row, "APP_EQSL_SWL").empty()) {
            log.deleteRow(row);
            ++removed;
        }
    }
    for (int row = 1; row < log.rowCount() && moved < 2; ++row) {
        if (test::cell(log, row, "TIME_ON") == "1339" || test::cell(log, row, "TIME_ON") == "1355") {
            log.setText(row, timeColumn, test::cell(log, row, "TIME_ON") == "1339" ? "1349" : "1345");
            ++moved;
        }
    }
    ASSERT_EQ(moved, 2);
    EqslFilter filter = notInLogOnly;
    EXPECT_EQ(compareEqslInboxFile(path, log, filter, running).selected(), 3);
    EXPECT_EQ(compareEqslInboxFile(path, log, swlOnly, running).selected(), 11);
    EXPECT_EQ(compareEqslInboxFile(path, log, newOnly, running).selected(), 373 - 11 - 3);
    EXPECT_EQ(compareEqslInboxFile(path, log, receivedOnly, running).message, "No eQSL records found.");
    // Once the log notes every eQSL as received, the matched records move to Already Received; the
    // moved ones stay new.
    const int column = log.insertColumn("EQSL_QSL_RCVD");
    for (int row = 1; row < log.rowCount(); ++row)
        log.setText(row, column, "Y");
    EXPECT_EQ(compareEqslInboxFile(path, log, receivedOnly, running).selected(), 373 - 11 - 3 - 2);
    EXPECT_EQ(compareEqslInboxFile(path, log, newOnly, running).selected(), 2);
    EXPECT_EQ(compareEqslInboxFile("/nonexistent/inbox.adi", log, newOnly, running).selected(), 0);
}
