// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxReader.h"

#include "TestSupport.h"
#include "formats/AdxText.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

ReadResult read(std::string_view text, LogTable &table)
{
    RunningFlag progress;
    return readAdx(bufferOf(text), table, progress);
}

LogTable tableOf(std::string_view text)
{
    LogTable table;
    read(text, table);
    return table;
}

std::string records(std::string_view body)
{
    return "<?xml version=\"1.0\"?>\n<ADX><HEADER><ADIF_VER>3.1.6</ADIF_VER><PROGRAMID>X</PROGRAMID>"
           "</HEADER>\n<RECORDS>\n"
        + std::string(body) + "\n</RECORDS></ADX>\n";
}

} // namespace

TEST(AdxReader, ReadsAFileOfAnotherProgram)
{
    LogTable table;
    RunningFlag progress;
    const ReadResult result = readAdxFile(dataFile("adx/pyadif_file_good.adx"), table, progress);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.records, 2);
    EXPECT_EQ(headers(table),
        (std::vector<std::string> {
            "CALL", "QSO_DATE", "TIME_ON", "QTH", "QTH_INTL", "APP_TESTAPP_TESTFIELD" }));
    EXPECT_EQ(cell(table, 1, "CALL"), "XX1XXX");
    EXPECT_EQ(cell(table, 1, "QTH"), "Test");
    EXPECT_EQ(cell(table, 2, "TIME_ON"), "1200");
    EXPECT_EQ(cell(table, 2, "QTH_INTL"), "T\xc3\xb6st");
    EXPECT_EQ(cell(table, 2, "APP_TESTAPP_TESTFIELD"), "Test");
    EXPECT_EQ(cell(table, 1, "APP_TESTAPP_TESTFIELD"), "");
}

TEST(AdxReader, FindsFieldsInTheirDifferentForms)
{
    struct Case {
        const char *what;
        std::string text;
        std::vector<std::string> columns;
        std::vector<std::string> values; // of the first record
    };
    const Case cases[] = {
        { "exact names", records("<RECORD><FREQ_RX>7.1</FREQ_RX><FREQ>14.2</FREQ></RECORD>"),
            { "FREQ_RX", "FREQ" }, { "7.1", "14.2" } },
        { "lower case",
            "<adx><header><programid>x</programid></header><records><record><call>ab1c</call></record>"
            "</records></adx>",
            { "CALL" }, { "ab1c" } },
        { "one line", records("<RECORD><CALL>A1A</CALL></RECORD><RECORD><CALL>B1B</CALL></RECORD>"),
            { "CALL" }, { "A1A" } },
        { "user-defined", records("<RECORD><USERDEF FIELDNAME=\"MyField\">v</USERDEF></RECORD>"),
            { "MYFIELD" }, { "v" } },
        { "application",
            records("<RECORD><APP PROGRAMID=\"N1MM\" FIELDNAME=\"POINTS\" TYPE=\"N\">3</APP></RECORD>"),
            { "APP_N1MM_POINTS" }, { "3" } },
        { "application without program", records("<RECORD><APP FIELDNAME=\"X\">y</APP></RECORD>"),
            { "APP__X" }, { "y" } },
        { "attributes without quotes and single quotes",
            records("<RECORD><APP PROGRAMID=N1MM FIELDNAME='POINTS'>3</APP><FREQ TYPE=N>7</FREQ></RECORD>"),
            { "APP_N1MM_POINTS", "FREQ" }, { "3", "7" } },
        { "empty elements add no column", records("<RECORD><CALL>A1A</CALL><NAME/><QTH /></RECORD>"),
            { "CALL" }, { "A1A" } },
        { "the first of equal fields", records("<RECORD><CALL>A1A</CALL><CALL>B1B</CALL></RECORD>"),
            { "CALL" }, { "A1A" } },
        { "references, CDATA and comments",
            records("<RECORD><NAME>A &amp; B &lt;&#x41;&#66;&gt; &bogus; &#0; &quot;&apos;</NAME>"
                    "<QTH><![CDATA[x<y&z]]></QTH><!-- <CALL>no</CALL> --><CALL>C1C</CALL></RECORD>"),
            { "NAME", "QTH", "CALL" }, { "A & B <AB> &bogus; &#0; \"'", "x<y&z", "C1C" } },
        { "no records element",
            "<ADX><HEADER><PROGRAMID>X</PROGRAMID></HEADER><RECORD><CALL>A1A</CALL></RECORD></ADX>",
            { "CALL" }, { "A1A" } },
        { "lone CR becomes CR LF", records("<RECORD><NOTES>a\rb\r\nc</NOTES></RECORD>"), { "NOTES" },
            { "a\r\nb\r\nc" } },
    };
    for (const Case &c : cases) {
        LogTable table;
        const ReadResult result = read(c.text, table);
        ASSERT_TRUE(result.ok) << c.what;
        EXPECT_EQ(headers(table), c.columns) << c.what;
        for (std::size_t i = 0; i < c.values.size(); ++i)
            EXPECT_EQ(table.text(1, static_cast<int>(i)), c.values[i]) << c.what;
    }
}

TEST(AdxReader, CountsRecordsAsFarAsTheyCanBeRead)
{
    struct Case {
        const char *what;
        std::string text;
        int records;
    };
    const Case cases[] = {
        { "ends right after the record", "<RECORDS><RECORD><CALL>A1A</CALL></RECORD>", 1 },
        { "cut off inside a record", "<RECORDS><RECORD><CALL>A1A</CALL></RECORD><RECORD><CALL>B1", 2 },
        { "unclosed records", records("<RECORD><CALL>A1A</CALL><RECORD><CALL>B1B</CALL><RECORD>"), 2 },
        { "empty records do not count", records("<RECORD></RECORD><RECORD>\n</RECORD><RECORD><CALL>A</CALL>"),
            1 },
        { "header fields are not records",
            "<ADX><HEADER><USERDEF FIELDID=\"1\" TYPE=\"N\">EPC</USERDEF><ADIF_VER>3</ADIF_VER></HEADER>"
            "<RECORDS><RECORD><CALL>A1A</CALL></RECORD></RECORDS><RECORD><CALL>X</CALL></RECORD></ADX>",
            1 },
        { "two records sections",
            "<RECORDS><RECORD><CALL>A</CALL></RECORD></RECORDS><RECORDS><RECORD><CALL>B</CALL>", 2 },
    };
    for (const Case &c : cases) {
        LogTable table;
        const ReadResult result = read(c.text, table);
        EXPECT_EQ(result.records, c.records) << c.what;
        EXPECT_EQ(table.qsoCount(), c.records) << c.what;
    }
}

TEST(AdxReader, FailureLeavesTheTableUntouched)
{
    LogTable table = tableOf(records("<RECORD><CALL>A1A</CALL></RECORD>"));
    for (const std::string &text : { std::string("no xml at all"), records(""), records("<RECORD></RECORD>"),
             std::string("<RECORDS><RECORD><CALL") }) {
        const ReadResult result = read(text, table);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(table.text(1, 0), "A1A") << text;
    }
    LogTable stopped = tableOf(records("<RECORD><CALL>A1A</CALL></RECORD>"));
    StopAfter stop(0);
    const ReadResult result = readAdx(
        bufferOf(records("<RECORD><CALL>B1B</CALL></RECORD><RECORD><QTH>x</QTH></RECORD>")), stopped, stop);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(headers(stopped), std::vector<std::string> { "CALL" });
    EXPECT_EQ(stopped.text(1, 0), "A1A");

    RunningFlag progress;
    EXPECT_FALSE(readAdxFile("/nonexistent/log.adx", table, progress).ok);
}

TEST(AdxReader, AStopWhileFillingKeepsTheRowsReadSoFar)
{
    std::string body;
    for (int i = 0; i < 3; ++i)
        body += "<RECORD><CALL>A" + std::to_string(i) + "</CALL></RECORD>\n";
    LogTable table;
    StopAfter stop(5); // four questions in the first pass (three records and their end), one in the second
    const ReadResult result = readAdx(bufferOf(records(body)), table, stop);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.records, 3);
    EXPECT_EQ(result.recordsRead, 2);
    EXPECT_EQ(table.qsoCount(), 2) << "no empty row for the record never read";
    EXPECT_EQ(table.text(2, 0), "A1");
    EXPECT_EQ(stop.labels,
        (std::vector<std::string> { "Collecting tags ...", "Reading file ...", "Filling the grid ..." }));
}

// Pathological shapes that a naive scanner would revisit byte by byte. Timing is left to the fuzz
// targets' time-out and the benchmarks; here each must end with no QSO invented from the debris.
TEST(AdxReader, BrokenInputEndsWithoutInventedRecords)
{
    constexpr std::size_t size = 1u << 20;
    const std::string patterns[]
        = { std::string(size, '<'), "<RECORDS><RECORD><A x=\"" + std::string(size, '"'),
              "<RECORDS>" + std::string(size, '&'), "<RECORDS><RECORD><A>" + std::string(size, '\r') };
    for (const std::string &text : patterns) {
        LogTable table;
        read(text, table);
        EXPECT_LE(table.rowCount(), 2) << text.substr(0, 30);
    }
}

TEST(AdxText, DecodesWhatItEscapes)
{
    struct Case {
        const char *cell, *escaped;
    };
    for (const Case c : { Case { "a&b", "a&amp;b" }, { "<x>", "&lt;x&gt;" }, { "\"q\"", "\"q\"" },
             { "r\rn", "r&#13;n" }, { "nul\x01", "nul" }, { "\xef\xbf\xbe!", "!" } }) {
        std::string out;
        appendXmlText(out, c.cell, false);
        EXPECT_EQ(out, c.escaped) << c.cell;
    }
    std::string attribute;
    appendXmlText(attribute, "\"a\tb\n\"", true);
    EXPECT_EQ(attribute, "&quot;a&#9;b&#10;&quot;");
    EXPECT_EQ(decodeXmlText("&#x1F600;&#128512;&#xD800;&#1114112;&amp"),
        "\xf0\x9f\x98\x80\xf0\x9f\x98\x80&#xD800;&#1114112;&amp");
}

TEST(AdxText, TakesTextThatIsNotUtf8AsWindows1252)
{
    struct Case {
        const char *cell, *utf8;
    };
    for (const Case c :
        { Case { "plain", "plain" }, { "Z\xc3\xbcrich", "Z\xc3\xbcrich" }, { "M\xfcller", "M\xc3\xbcller" },
            { "\x80\x9f\x81", "\xe2\x82\xac\xc5\xb8\xc2\x81" }, { "\xc3", "\xc3\x83" },
            { "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac" }, { "\xc0\xaf", "\xc3\x80\xc2\xaf" } }) {
        EXPECT_EQ(utf8FromCell(c.cell), c.utf8) << c.cell;
        EXPECT_TRUE(isValidUtf8(utf8FromCell(c.cell)));
    }
}

TEST(AdxReader, RefusesATableFarLargerThanItsFile)
{
    // Every record has a field of its own: records times names cells from a small file.
    std::string body;
    for (int i = 0; i < 5000; ++i)
        body += "<RECORD><F" + std::to_string(i) + ">x</F" + std::to_string(i) + "></RECORD>";
    LogTable table = tableOf(records("<RECORD><CALL>A1A</CALL></RECORD>"));
    const ReadResult result = read(records(body), table);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Not enough memory for this log.");
    EXPECT_EQ(table.text(1, 0), "A1A");
}
