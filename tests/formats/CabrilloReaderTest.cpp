// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CabrilloReader.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "definitions/TemplateResource.h"
#include "formats/CabrilloColumns.h"
#include "formats/CabrilloLayout.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

namespace
{

// The contest templates the program ships.
const std::vector<ContestTemplate> &shippedContests()
{
    static const std::vector<ContestTemplate> contests = [] {
        std::vector<ContestTemplate> list { genericContestTemplate() };
        const TemplateResource resource = TemplateResource::load(QUILLOG_TEMPLATES_FILE);
        parseContestTemplates(resource.section(ContestTemplatesSection).value_or(""), list);
        return list;
    }();
    return contests;
}

ReadResult read(std::string_view text, LogTable &table, bool decimalComma = false)
{
    RunningFlag running;
    return readCabrillo(text, table, { false, shippedContests(), decimalComma }, running);
}

} // namespace

TEST(CabrilloLayout, WordStartsOfAQsoText)
{
    struct Case {
        const char *qso;
        std::vector<std::size_t> starts;
    };
    for (const Case &c : {
             Case { "QSO: 14025 CW", { 4, 10 } },
             { "QSO:  7030 CW", { 5, 10 } },
             { "QSO:   28044 CW", { 5, 12 } }, // a first start beyond 5 counts as 5
             { "QSO:", {} },
         })
        EXPECT_EQ(cabrilloWordStarts(c.qso), c.starts) << c.qso;
    EXPECT_EQ(cabrilloQsoText("X-QSO: 21000 CW  "), "QSO: 21000 CW");
    EXPECT_EQ(cabrilloQsoText("QSO:"), "QSO:");
    EXPECT_FALSE(cabrilloQsoText("CONTEST: CQ-WW-CW"));
}

TEST(CabrilloFrequency, KilohertzBecomeMegahertzWithTheirFractions)
{
    struct Case {
        const char *cell;
        bool comma;
        const char *expected;
    };
    for (const Case c : {
             Case { "14025", false, "14.025" },
             { "7000", false, "7.000" },
             { "28500", false, "28.500" },
             { "1800", false, "1.800" },
             { "50100", false, "50.100" },
             { "14025.5", false, "14.0255" },
             { "3573.125", false, "3.573125" },
             { "14025,5", false, "14.0255" },
             { "14025", true, "14,025" },
             { "14025.5", true, "14,0255" },
             { "50", false, "50" }, // band designators
             { "144", false, "144" },
             { "1.2", false, "1.2" },
             { "144000", false, "144000" }, // outside every converted range
             { "2101", false, "2101" },
             { "LIGHT", false, "LIGHT" },
         })
        EXPECT_EQ(cabrilloFrequency(c.cell, c.comma), c.expected) << c.cell;
}

TEST(CabrilloExchange, NamesComeFromTheContestTemplate)
{
    const std::vector<ContestTemplate> templates { { "MY-TEST",
                                                       "MY_CALL:13;STX (Sent serial):6;CALL:13;SRX" },
        { "NO-CALL", "RST_SENT;NAME (op):10" }, { "ARRL-SS-CW", "CALL" } };
    struct Case {
        const char *contest;
        Texts names;
    };
    for (const Case &c : {
             Case { "MY-TEST", { "STX", "CALL", "SRX" } },
             { "NO-CALL", { "RST_SENT", "NAME" } },
             { "UNKNOWN", { "RST_SENT", "STX_STRING", "CALL", "RST_RCVD", "SRX_STRING" } },
             { "ARRL-SS-CW",
                 { "STX", "STX_STRING", "STX_STRING", "STX_STRING", "CALL", "SRX", "SRX_STRING", "SRX_STRING",
                     "SRX_STRING" } },
         })
        EXPECT_EQ(cabrilloExchangeNames(c.contest, templates), c.names) << c.contest;
}

TEST(CabrilloExchange, ReportsTakeAColumnOnlyWhereTheQsosHoldOne)
{
    struct Case {
        Texts exchange;
        Texts firstRow;
        Texts headers;
    };
    const Texts front { "14025", "CW", "2024-01-01", "0000", "ME" };
    const Texts frontNames { "FREQ", "MODE", "QSO_DATE", "TIME_ON", "OPERATOR" };
    for (const Case &c : {
             Case { { "RST_SENT", "STX", "CALL", "RST_RCVD", "SRX" }, { "599", "1", "K1AB", "599", "2" },
                 { "RST_SENT", "STX", "CALL", "RST_RCVD", "SRX" } },
             // No report in the exchange: the report names are dropped, the columns keep the others.
             { { "RST_SENT", "MY_CQ_ZONE", "CALL", "RST_RCVD", "CQZ" }, { "5", "K1AB", "15" },
                 { "MY_CQ_ZONE", "CALL", "CQZ" } },
             // A serial, grid or name after an unnamed report names the column after it.
             { { "STX", "CALL", "SRX" }, { "59", "001", "K1AB", "599", "002" },
                 { "RST_SENT", "STX", "CALL", "RST_RCVD", "SRX" } },
             { { "MY_NAME", "CALL", "NAME" }, { "ED", "K1AB", "BOB" }, { "MY_NAME", "CALL", "NAME" } },
             // Names left over when the columns run out name nothing; empty items are skipped.
             { { "", "CALL", "SRX_STRING", "EXTRA" }, { "K1AB", "X" }, { "CALL", "SRX_STRING" } },
         }) {
        Texts cells = front;
        cells.insert(cells.end(), c.firstRow.begin(), c.firstRow.end());
        LogTable table;
        table.setColumnCount(static_cast<int>(cells.size()));
        table.setRowCount(2);
        for (std::size_t i = 0; i < cells.size(); ++i)
            table.setText(1, static_cast<int>(i), cells[i]);
        nameCabrilloColumns(table, c.exchange);
        Texts expected = frontNames;
        expected.insert(expected.end(), c.headers.begin(), c.headers.end());
        EXPECT_EQ(headers(table), expected) << c.exchange.front();
    }
}

TEST(ReadCabrillo, SingleBlanksAreCutAtEveryBlank)
{
    LogTable table;
    const ReadResult result = read(
        "START-OF-LOG: 3.0\nCONTEST: ARRL-DX-CW\nQSO: 28051 CW 2024-02-17 0022 TE5T 599 1000 VE1ANF 599 NS\n"
        "QSO: 1822 PH 2024-02-17 0401 TE5T 59 1000 VY2TT 59 PE\nEND-OF-LOG:\n",
        table);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.records, 2);
    EXPECT_EQ(headers(table),
        (Texts { "FREQ", "MODE", "QSO_DATE", "TIME_ON", "OPERATOR", "RST_SENT", "STX_STRING", "CALL",
            "RST_RCVD", "SRX_STRING" }));
    EXPECT_EQ(rowTexts(table, 1),
        (Texts { "28.051", "CW", "20240217", "0022", "TE5T", "599", "1000", "VE1ANF", "599", "NS" }));
    EXPECT_EQ(rowTexts(table, 2),
        (Texts { "1.822", "SSB", "20240217", "0401", "TE5T", "59", "1000", "VY2TT", "59", "PE" }));
}

TEST(ReadCabrillo, XQsoLinesAreCutLikeQsoLines)
{
    LogTable table;
    ASSERT_TRUE(read(fileContents(dataFile("cabrillo/cqrlog_iaru-hf_xqso.log")), table).ok);
    ASSERT_EQ(table.qsoCount(), 2);
    EXPECT_EQ(headers(table),
        (Texts { "FREQ", "MODE", "QSO_DATE", "TIME_ON", "OPERATOR", "RST_SENT", "STX_STRING", "CALL",
            "RST_RCVD", "SRX_STRING" }));
    EXPECT_EQ(rowTexts(table, 1),
        (Texts { "21.000", "CW", "20160709", "1340", "DJ3EI", "599", "28", "TM0HQ", "599", "REF" }));
    EXPECT_EQ(rowTexts(table, 2),
        (Texts { "21.000", "CW", "20160709", "1354", "DJ3EI", "599", "28", "EI0HQ", "599", "IRTS" }));
}

TEST(ReadCabrillo, PaddedColumnsFollowTheFirstAgreeingLines)
{
    // The third line is longer than the layout foresaw: the excess stays in its last field.
    const char *text = "CONTEST: CQ-WW-CW\n"
                       "QSO:  7030 CW 2017-11-25 2121 K1IR          599 5      SQ9E          599 15\n"
                       "QSO:  7030 CW 2017-11-25 2122 K1IR          599 5      EA2TT         599 14\n"
                       "QSO: 14030 CW 2017-11-25 2123 K1IR          599 5      DL1AB         599 14 X\n"
                       "QSO:  7030 CW 2017-11-25 2124 K1IR\n";
    LogTable table;
    ASSERT_TRUE(read(text, table).ok);
    EXPECT_EQ(headers(table),
        (Texts { "FREQ", "MODE", "QSO_DATE", "TIME_ON", "OPERATOR", "RST_SENT", "MY_CQ_ZONE", "CALL",
            "RST_RCVD", "CQZ" }));
    EXPECT_EQ(rowTexts(table, 1),
        (Texts { "7.030", "CW", "20171125", "2121", "K1IR", "599", "5", "SQ9E", "599", "15" }));
    EXPECT_EQ(rowTexts(table, 3),
        (Texts { "14.030", "CW", "20171125", "2123", "K1IR", "599", "5", "DL1AB", "599", "14 X" }));
    EXPECT_EQ(rowTexts(table, 4), (Texts { "7.030", "CW", "20171125", "2124", "K1IR", "", "", "", "", "" }));
}

TEST(ReadCabrillo, WithoutAContestLineTheHeadersStayEmptyAndValuesAsRead)
{
    LogTable table;
    ASSERT_TRUE(read("QSO: 14025 PH 2024-01-01 0000 ME 59 K1AB 59\n", table).ok);
    EXPECT_EQ(headers(table), Texts(8, ""));
    EXPECT_EQ(rowTexts(table, 1), (Texts { "14025", "PH", "2024-01-01", "0000", "ME", "59", "K1AB", "59" }));
}

TEST(ReadCabrillo, FailureLeavesTheOpenLogAlone)
{
    std::string late;
    for (int i = 0; i < 100; ++i)
        late += "X-COMMENT: line\n";
    late += "QSO: 14025 CW 2024-01-01 0000 ME 599 K1AB 599\n";
    for (const std::string &text :
        { std::string(), std::string("START-OF-LOG: 3.0\nCONTEST: CQ-WW-CW\n"), late }) {
        LogTable table = logOf({ "CALL" }, { { "OLD" } });
        const auto before = snapshot(table);
        EXPECT_FALSE(read(text, table).ok) << text;
        EXPECT_EQ(snapshot(table), before) << text;
    }
}

TEST(ReadCabrillo, StopKeepsTheQsosReadSoFar)
{
    LogTable table;
    StopAfter progress(0);
    const ReadResult result = readCabrillo("CONTEST: X\nQSO: 14025 CW a b c\nQSO: 7025 CW d e f\n", table,
        { false, shippedContests(), false }, progress);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(table.qsoCount(), 1) << "no empty rows for QSOs never read";
    EXPECT_EQ(rowTexts(table, 1), (Texts { "14.025", "CW", "a", "b", "c" }));
}

TEST(ReadCabrillo, CorpusLogsFromContestLoggers)
{
    struct Case {
        const char *file;
        int qsos;
        int row;
        const char *freq, *mode, *call, *lastHeader, *lastCell;
    };
    for (const Case c : {
             Case { "writelog_arrl-dx-cw_te5t.log", 59, 1, "28.051", "CW", "VE1ANF", "SRX_STRING", "NS" },
             { "dxlog_arrl-10_px2a.log", 1795, 1, "28.046", "CW", "JH7VHZ", "SRX_STRING", "3" },
             { "n1mm_arrl-ss-cw_k5nz.log", 180, 1, "14.050", "CW", "K8LX", "SRX_STRING", "MI" },
             { "n1mm_classic_cq-ww-cw_k1ir.log", 75, 1, "7.030", "CW", "SQ9E", "CQZ", "15" },
             { "n1mm_naqp-cw_k3dne.log", 460, 1, "28.044", "CW", "VE2FK", "SRX_STRING", "QC" },
             { "wintest_arrl-fd_w3ao_v2.log", 8407, 1, "21.230", "SSB", "AD4GG", "ARRL_SECT", "TN" },
             { "cqrlog_iaru-hf_xqso.log", 2, 1, "21.000", "CW", "TM0HQ", "SRX_STRING", "REF" },
         }) {
        LogTable table;
        RunningFlag running;
        const ReadResult result = readCabrillo(fileContents(dataFile("cabrillo/") + c.file), table,
            { false, shippedContests(), false }, running);
        ASSERT_TRUE(result.ok) << c.file;
        EXPECT_EQ(table.qsoCount(), c.qsos) << c.file;
        EXPECT_EQ(cell(table, c.row, "FREQ"), c.freq) << c.file;
        EXPECT_EQ(cell(table, c.row, "MODE"), c.mode) << c.file;
        EXPECT_EQ(cell(table, c.row, "CALL"), c.call) << c.file;
        EXPECT_EQ(table.text(0, table.columnCount() - 1), c.lastHeader) << c.file;
        EXPECT_EQ(table.text(c.row, table.columnCount() - 1), c.lastCell) << c.file;
        EXPECT_EQ(cell(table, table.qsoCount(), "QSO_DATE").size(), 8u) << c.file;
    }
}

TEST(ReadCabrillo, ContestWithoutReportsKeepsItsExchangeInPlace)
{
    LogTable table;
    RunningFlag running;
    ASSERT_TRUE(readCabrillo(fileContents(dataFile("cabrillo/wintest_arrl-fd_w3ao_v2.log")), table,
        { false, shippedContests(), false }, running)
                    .ok);
    EXPECT_EQ(headers(table),
        (Texts { "FREQ", "MODE", "QSO_DATE", "TIME_ON", "OPERATOR", "STX_STRING", "MY_ARRL_SECT", "CALL",
            "CLASS", "ARRL_SECT" }));
    EXPECT_EQ(rowTexts(table, 1),
        (Texts { "21.230", "SSB", "20250628", "1800", "W3AO", "10A", "MDC", "AD4GG", "1E", "TN" }));
}
