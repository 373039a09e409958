// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/TrlogReader.h"

#include "TableSnapshot.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

namespace
{

// A listing line with each text starting at its position.
std::string placed(std::initializer_list<std::pair<std::size_t, std::string_view>> texts)
{
    std::string line;
    for (const auto &[position, text] : texts) {
        line.resize(position, ' ');
        line += text;
    }
    return line;
}

const std::string rule = " ----- --------- ----- ----  ---------------- ----- ----- ----- ---";

std::string qsoLine(std::string_view bandMode, std::string_view call, std::string_view points)
{
    return placed({ { 2, bandMode }, { 7, "12-Oct-96" }, { 17, "1402" }, { 26, "1" }, { 29, call },
        { 46, "599" }, { 52, "579" }, { 58, "MA" }, { 66, points } });
}

std::string listing(std::string_view lineEnd)
{
    const std::string lines[] = {
        "TR LOG listing of K1AB for the contest",
        "",
        placed({ { 1, "Band" }, { 7, "Date" }, { 17, "Time" }, { 23, "QSO#" }, { 29, "Call worked" },
            { 46, "Sent" }, { 52, "Rcvd" }, { 58, "Mult" }, { 64, "Pts" } }),
        rule,
        qsoLine("40CW", "K1AR", "1"),
        "short line ----",
        qsoLine("20CW", "W2XYZ", "2"),
        rule, // a second page's rule is no QSO
        qsoLine("15CW", "N3ABC", "3"),
    };
    std::string text;
    for (const std::string &line : lines)
        text.append(line).append(lineEnd);
    return text;
}

} // namespace

TEST(TrlogColumns, DashGroupsMarkTheColumns)
{
    struct Case {
        std::string rule;
        std::vector<TextSpan> columns;
    };
    for (const Case &c : {
             Case { rule,
                 { { 0, 5 }, { 6, 15 }, { 16, 21 }, { 22, 26 }, { 28, 44 }, { 45, 50 }, { 51, 56 },
                     { 57, 62 }, { 63, 66 } } },
             // Fewer than four groups keep their own spans; a group at the line's end counts too.
             { "---- ------- ---", { { 0, 3 }, { 4, 11 }, { 12, 15 } } },
             { "  ----  --", { { 1, 5 }, { 7, 9 } } },
             { "", {} },
         })
        EXPECT_EQ(trlogColumns(c.rule), c.columns) << c.rule;
}

TEST(ReadTrlog, EveryLineEndGivesTheSameColumns)
{
    const Texts first { "40CW", "12-Oct-96", "1402", "1", "K1AR", "599", "579", "MA", "1" };
    for (const char *lineEnd : { "\n", "\r\n", "\r" }) {
        LogTable table;
        RunningFlag running;
        const ReadResult result = readTrlog(listing(lineEnd), table, running);
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(table.qsoCount(), 3);
        EXPECT_EQ(rowTexts(table, 1), first);
        EXPECT_EQ(rowTexts(table, 2)[4], "W2XYZ");
        EXPECT_EQ(rowTexts(table, 3)[8], "3") << "the last column of the last line";
        EXPECT_EQ(headers(table), Texts(9, ""));
    }
}

TEST(ReadTrlog, ShortLinesLeaveTheirLastColumnsEmpty)
{
    const std::string text = rule + "\n"
        + placed(
            { { 2, "80CW" }, { 7, "12-Oct-96" }, { 17, "1402" }, { 29, "K1AR" }, { 46, "5" }, { 58, "MA" } })
        + "\n";
    LogTable table;
    RunningFlag running;
    ASSERT_TRUE(readTrlog(text, table, running).ok);
    EXPECT_EQ(rowTexts(table, 1), (Texts { "80CW", "12-Oct-96", "1402", "", "K1AR", "5", "", "MA", "" }));
}

TEST(ReadTrlog, FailureLeavesTheOpenLogAlone)
{
    const std::string qso = qsoLine("40CW", "K1AR", "1");
    for (const std::string &text :
        { std::string(), qso + "\n" + qso + "\n", rule + "\n", rule.substr(0, 40) + "\n" + qso + "\n" }) {
        LogTable table = logOf({ "CALL" }, { { "OLD" } });
        const auto before = snapshot(table);
        RunningFlag running;
        EXPECT_FALSE(readTrlog(text, table, running).ok) << text;
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(ReadTrlog, StopKeepsTheRowsReadSoFar)
{
    LogTable table;
    StopAfter progress(0);
    const ReadResult result = readTrlog(listing("\n"), table, progress);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(rowTexts(table, 1)[4], "K1AR");
    EXPECT_EQ(rowTexts(table, 2)[4], "") << "the rows not read stay empty";
}

TEST(ReadTrlog, HandMadeListingsWithPageBreaks)
{
    for (const char *file : { "cqww_lf.dat", "cqww_crlf.dat" }) {
        LogTable table;
        RunningFlag running;
        ASSERT_TRUE(readTrlog(fileContents(dataFile("trlog/") + file), table, running).ok) << file;
        ASSERT_EQ(table.qsoCount(), 5) << file;
        EXPECT_EQ(
            rowTexts(table, 1), (Texts { "40CW", "25-Nov-17", "2121", "1", "SQ9E", "599", "599", "15", "3" }))
            << file;
        EXPECT_EQ(rowTexts(table, 5),
            (Texts { "10CW", "26-Nov-17", "1402", "5", "LU1AA", "599", "599", "13", "10" }))
            << file;
    }
}
