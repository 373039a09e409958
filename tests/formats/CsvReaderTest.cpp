// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CsvReader.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "formats/CsvTokenizer.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;
using Records = std::vector<Texts>;

namespace
{

Records tokenized(std::string_view text, char separator = ',')
{
    CsvTokenizer tokenizer(text, separator);
    Records records;
    Texts fields;
    while (tokenizer.next(fields))
        records.push_back(fields);
    return records;
}

} // namespace

TEST(CsvTokenizer, ReadsQuotedFieldsAsRfc4180Says)
{
    struct Case {
        const char *text;
        Records expected;
    };
    const Case cases[] = {
        { "a,b,c", { { "a", "b", "c" } } },
        { "\"a,b\",c", { { "a,b", "c" } } },
        { "\"say \"\"hi\"\"\",x", { { "say \"hi\"", "x" } } },
        { "\"two\nlines\",x\ny,z\n", { { "two\nlines", "x" }, { "y", "z" } } },
        { "\"cr\r\nlf\",x\r\n", { { "cr\r\nlf", "x" } } },
        { "a,b\r\nc,d\r\n", { { "a", "b" }, { "c", "d" } } },
        { "a\rb\n", { { "a" }, { "b" } } },
        { "a,\n", { { "a", "" } } },
        { "a,", { { "a", "" } } },
        { ",,", { { "", "", "" } } },
        { "\"\",\"\"", { { "", "" } } },
        { "\"ab\"cd,e", { { "abcd", "e" } } },
        { "ab\"cd,e", { { "ab\"cd", "e" } } },
        // A quote that is never closed ends with its line; the next line is a record of its own.
        { "\"open,x\nb,c\n", { { "open,x" }, { "b", "c" } } },
        { "x,\"op\"\"en\r\nb", { { "x", "op\"en" }, { "b" } } },
        { "", {} },
    };
    for (const Case &c : cases)
        EXPECT_EQ(tokenized(c.text), c.expected) << c.text;
    EXPECT_EQ(tokenized("a;\"b;c\",d", ';'), (Records { { "a", "b;c,d" } }));
}

TEST(CsvTokenizer, SeparatorIsTheMoreFrequentOfTheFirstThreeLines)
{
    struct Case {
        const char *text;
        char expected;
    };
    for (const Case c : {
             Case { "Call;Freq;Mode\n", ';' },
             { "a,b;c\n", ',' }, // a tie goes to the comma
             { "a;b,c,d;e;f\n", ';' },
             { "\"x,y,z\";a;b\n", ';' }, // commas inside quotes are part of a field
             { "a;b\nc;d\ne;f\ng,h,i,j,k\n", ';' }, // the fourth line is not looked at
             { "", ',' },
         })
        EXPECT_EQ(detectCsvSeparator(c.text), c.expected) << c.text;
}

TEST(ReadCsv, HeaderLineNamesTheColumnsOnlyWhenItMentionsAQsoField)
{
    struct Case {
        const char *text;
        Texts headers;
        Records rows;
    };
    const Case cases[] = {
        { "Call;Freq;Mode\nK1AB;14.074;FT8\nK2CD;7.030;CW\n", { "Call", "Freq", "Mode" },
            { { "K1AB", "14.074", "FT8" }, { "K2CD", "7.030", "CW" } } },
        { "station,RST_SENT\nK1AB,599\n", { "station", "RST_SENT" }, { { "K1AB", "599" } } },
        { "K1AB,14.074,FT8\nK2CD,7.030,CW\n", { "", "", "" },
            { { "K1AB", "14.074", "FT8" }, { "K2CD", "7.030", "CW" } } },
        // A byte-order mark belongs to no field name.
        { "\xEF\xBB\xBF"
          "CALL,FREQ\nK1AB,14.074\n",
            { "CALL", "FREQ" }, { { "K1AB", "14.074" } } },
        // Fields beyond the header get columns of their own instead of being dropped.
        { "CALL,FREQ\nK1AB,14.074,extra,more\nK2CD\n", { "CALL", "FREQ", "", "" },
            { { "K1AB", "14.074", "extra", "more" }, { "K2CD", "", "", "" } } },
        // Blank lines are no QSOs; a row of empty fields still is one.
        { "CALL,FREQ\n\nK1AB,1\n\r\n,\n", { "CALL", "FREQ" }, { { "K1AB", "1" }, { "", "" } } },
        { "CALL,NOTE\r\nK1AB,\"a, b\"\r\n", { "CALL", "NOTE" }, { { "K1AB", "a, b" } } },
    };
    for (const Case &c : cases) {
        LogTable table;
        RunningFlag running;
        const ReadResult result = readCsv(c.text, table, running);
        ASSERT_TRUE(result.ok) << c.text;
        EXPECT_EQ(result.records, static_cast<int>(c.rows.size())) << c.text;
        EXPECT_EQ(headers(table), c.headers) << c.text;
        Records rows = snapshot(table);
        rows.erase(rows.begin());
        EXPECT_EQ(rows, c.rows) << c.text;
        EXPECT_EQ(table.fixedColumnCount(), 0);
        EXPECT_EQ(table.fixedRowCount(), 1);
    }
}

TEST(ReadCsv, LinesOfAnyLengthStayWhole)
{
    const std::string note(5000, 'x');
    LogTable table;
    RunningFlag running;
    ASSERT_TRUE(readCsv("CALL,NOTE,MODE\nK1AB," + note + ",CW\nK2CD,y,SSB\n", table, running).ok);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.text(1, 1), note);
    EXPECT_EQ(columnTexts(table, 2), (Texts { "CW", "SSB" }));
}

TEST(ReadCsv, FailureLeavesTheOpenLogAlone)
{
    for (const char *text : { "", "CALL,FREQ,MODE\n", "CALL;FREQ\r\n\r\n", "\xEF\xBB\xBF", "\n\n\n" }) {
        LogTable table = logOf({ "CALL" }, { { "OLD" } });
        const auto before = snapshot(table);
        RunningFlag running;
        const ReadResult result = readCsv(text, table, running);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(snapshot(table), before) << text;
        EXPECT_EQ(table.fixedColumnCount(), 1) << text;
    }
}

TEST(ReadCsv, StopKeepsTheRowsReadSoFar)
{
    LogTable table;
    StopAfter progress(4); // the four records are counted, then the stop comes after A1
    const ReadResult result = readCsv("CALL\nA1\nA2\nA3\n", table, progress);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(columnTexts(table, 0), (Texts { "A1" }));

    LogTable untouched = logOf({ "CALL" }, { { "OLD" } });
    StopAfter early(1);
    const ReadResult counting = readCsv("CALL\nA1\nA2\n", untouched, early);
    EXPECT_FALSE(counting.ok) << "a stop while the records are counted reads nothing";
    EXPECT_TRUE(counting.stopped);
    EXPECT_EQ(columnTexts(untouched, 1), (Texts { "OLD" }));
    EXPECT_EQ(progress.labels.front(), "Reading file ...");
    EXPECT_EQ(progress.labels.back(), "Filling the grid ...");
}

TEST(ReadCsv, CorpusFilesFromOtherPrograms)
{
    struct Case {
        const char *file;
        int rows;
        int columns;
        const char *firstHeader;
        const char *lastHeader;
    };
    for (const Case c : {
             Case { "pota_app_kj7low.csv", 12, 11, "CALL", "STATION_CALLSIGN" },
             { "sota_activator_v2.csv", 145, 10, "", "" },
             { "sq7n_logbook.csv", 14, 6, "callSign", "" }, // every line ends with a separator
             { "wsjtx_log.csv", 528, 14, "", "" },
         }) {
        LogTable table;
        RunningFlag running;
        const ReadResult result = readCsv(fileContents(dataFile("csv/") + c.file), table, running);
        ASSERT_TRUE(result.ok) << c.file;
        EXPECT_EQ(table.qsoCount(), c.rows) << c.file;
        EXPECT_EQ(table.columnCount(), c.columns) << c.file;
        EXPECT_EQ(table.text(0, 0), c.firstHeader) << c.file;
        EXPECT_EQ(table.text(0, c.columns - 1), c.lastHeader) << c.file;
        for (int row = 0; row < table.rowCount(); ++row) {
            for (int col = 0; col < table.columnCount(); ++col) {
                EXPECT_EQ(table.text(row, col).find_first_of("\r\n\""), std::string_view::npos)
                    << c.file << " row " << row << " column " << col;
            }
        }
    }
}

TEST(ReadCsv, QuotedCommasStayInTheirField)
{
    LogTable table;
    RunningFlag running;
    ASSERT_TRUE(readCsv(fileContents(dataFile("csv/sota_activator_v2.csv")), table, running).ok);
    EXPECT_EQ(table.text(59, 9), "ANT: Vertical, POTA: K-1946");
    EXPECT_EQ(table.text(88, 9), "WWFF: VEFF-1005, POTA: VE-1005, SOTA: VE2/LR-044");
    EXPECT_EQ(table.text(88, 7), "VE2DDZ/P");
    EXPECT_EQ(table.text(1, 9), "SOTA: G/LD-030");
}
