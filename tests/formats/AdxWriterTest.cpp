// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxWriter.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "WriterFixture.h"
#include "formats/AdxReader.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

SaveOptions noChecks()
{
    SaveOptions options;
    options.noChecks = true;
    return options;
}

Saved save(const LogTable &table, const SaveOptions &options = {})
{
    return saveWith("adx", table, options, writerDefinitions());
}

bool isWellFormedXml(const std::string &path)
{
    const std::string command = "xmllint --noout '" + path + "'";
    return std::system(command.c_str()) == 0;
}

} // namespace

TEST(AdxWriter, WritesTheFileByteForByte)
{
    const Saved saved = save(untidyQsos());
    EXPECT_TRUE(saved.result.ok);
    EXPECT_EQ(saved.file,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<ADX>\r\n"
        "<HEADER>\r\n"
        "  <CREATED_TIMESTAMP>20241208 120500</CREATED_TIMESTAMP>\r\n"
        "  <ADIF_VER>3.1.6</ADIF_VER>\r\n"
        "  <PROGRAMID>Quillog</PROGRAMID>\r\n"
        "  <PROGRAMVERSION>3.7</PROGRAMVERSION>\r\n"
        "</HEADER>\r\n"
        "\r\n"
        "<RECORDS>\r\n"
        "  <RECORD>\r\n"
        "    <CALL>AB1C</CALL>\r\n"
        "    <QSO_DATE>20240301</QSO_DATE>\r\n"
        "    <TIME_ON>1234</TIME_ON>\r\n"
        "    <BAND>20m</BAND>\r\n"
        "    <FREQ>14.074</FREQ>\r\n"
        "    <MODE>FT8</MODE>\r\n"
        "  </RECORD>\r\n"
        "  <RECORD>\r\n"
        "    <CALL>K1ABC</CALL>\r\n"
        "    <QSO_DATE>20240302</QSO_DATE>\r\n"
        "    <TIME_ON>0100</TIME_ON>\r\n"
        "    <BAND>40M</BAND>\r\n"
        "    <FREQ>7.0305</FREQ>\r\n"
        "    <MODE>cw</MODE>\r\n"
        "  </RECORD>\r\n"
        "</RECORDS>\r\n"
        "</ADX>\r\n");
    EXPECT_TRUE(isWellFormedXml(saved.path));
}

TEST(AdxWriter, LowerCaseTypesAndSeparateRecords)
{
    const LogTable table = logOf({ "CALL", "QSO_DATE", "FREQ", "APP_N1MM_POINTS", "APP__X" },
        { { "AB1C", "20240301", "14.074", "3", "y" } });
    SaveOptions options = noChecks();
    options.lowerCase = true;
    options.typeIndicator = true;
    options.separateQsos = true;
    options.commaFrequency = true;
    const Saved saved = save(table, options);
    EXPECT_EQ(saved.file,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
        "<adx>\r\n"
        "<header>\r\n"
        "<created_timestamp>20241208 120500</created_timestamp>\r\n"
        "<adif_ver>3.1.6</adif_ver>\r\n"
        "<programid>Quillog</programid>\r\n"
        "<programversion>3.7</programversion>\r\n"
        "</header>\r\n"
        "\r\n"
        "<records>\r\n"
        "  <record>\r\n"
        "    <call type=\"s\">AB1C</call>\r\n"
        "    <qso_date type=\"d\">20240301</qso_date>\r\n"
        "    <freq type=\"n\">14,074</freq>\r\n"
        "    <app programid=\"n1mm\" fieldname=\"points\">3</app>\r\n"
        "    <app fieldname=\"x\">y</app>\r\n"
        "  </record>\r\n"
        "\r\n"
        "</records>\r\n"
        "</adx>\r\n");
    EXPECT_TRUE(isWellFormedXml(saved.path));

    const LogTable back = readBack(saved.path);
    EXPECT_EQ(headers(back),
        (std::vector<std::string> { "CALL", "QSO_DATE", "FREQ", "APP_N1MM_POINTS", "APP__X" }));
    EXPECT_EQ(cell(back, 1, "APP_N1MM_POINTS"), "3");
    EXPECT_EQ(cell(back, 1, "FREQ"), "14,074");
}

TEST(AdxWriter, FieldNamesTakeTheFormThatReadsBackAsTheSameName)
{
    struct Case {
        const char *name, *line;
    };
    for (const Case c : {
             Case { "APP_N1MM_POINTS", "    <APP PROGRAMID=\"N1MM\" FIELDNAME=\"POINTS\">v</APP>\r\n" },
             Case { "APP__POINTS", "    <APP FIELDNAME=\"POINTS\">v</APP>\r\n" },
             Case { "APP_N1MM_MY_FIELD", "    <APP PROGRAMID=\"N1MM\" FIELDNAME=\"MY_FIELD\">v</APP>\r\n" },
             // Not of the form APP_<program>_<field>: written under their own names.
             Case { "APP_N1MM", "    <APP_N1MM>v</APP_N1MM>\r\n" },
             Case { "MY_APP_X", "    <MY_APP_X>v</MY_APP_X>\r\n" },
             // Names that would break the XML or the record structure.
             Case { "MY FIELD", "    <USERDEF FIELDNAME=\"MY FIELD\">v</USERDEF>\r\n" },
             Case { "1ST", "    <USERDEF FIELDNAME=\"1ST\">v</USERDEF>\r\n" },
             Case { "A&\"B", "    <USERDEF FIELDNAME=\"A&amp;&quot;B\">v</USERDEF>\r\n" },
             Case { "RECORD", "    <USERDEF FIELDNAME=\"RECORD\">v</USERDEF>\r\n" },
         }) {
        std::string line;
        appendAdxField(line, { c.name, "v", 0 }, false);
        EXPECT_EQ(line, c.line) << c.name;

        const Saved saved = save(logOf({ c.name }, { { "v" } }), noChecks());
        EXPECT_TRUE(isWellFormedXml(saved.path)) << c.name;
        const LogTable back = readBack(saved.path);
        EXPECT_EQ(headers(back), std::vector<std::string> { c.name });
        EXPECT_EQ(back.text(1, 0), "v") << c.name;
    }
}

TEST(AdxWriter, EscapesValuesAndReadsThemBackUnchanged)
{
    const std::vector<std::string> values = { "Smith & Sons", "<b>bold</b>", "a > b", "\"quoted\" 'single'",
        "&amp; stays text", "line one\r\nline two", "tab\there", "ÄÖÜ é 日本" };
    std::vector<std::vector<std::string>> rows;
    for (const std::string &value : values)
        rows.push_back({ value });
    const Saved saved = save(logOf({ "COMMENT" }, rows), noChecks());
    EXPECT_NE(saved.file.find("<COMMENT>Smith &amp; Sons</COMMENT>"), std::string::npos);
    EXPECT_NE(saved.file.find("<COMMENT>&lt;b&gt;bold&lt;/b&gt;</COMMENT>"), std::string::npos);
    EXPECT_NE(saved.file.find("<COMMENT>line one&#13;\nline two</COMMENT>"), std::string::npos);
    EXPECT_TRUE(isWellFormedXml(saved.path));
    const LogTable back = readBack(saved.path);
    ASSERT_EQ(back.qsoCount(), static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(back.text(static_cast<int>(i) + 1, 0), values[i]);
}

TEST(AdxWriter, WritesWindows1252CellsAsUtf8)
{
    // "Müller" and "€5" in Windows-1252, a control character XML cannot hold, and a cell already in UTF-8.
    const Saved saved = save(logOf({ "NAME", "QTH" },
                                 { { "M\xfcller",
                                       "\x80"
                                       "5" },
                                     { "a\x01z", "Z\xc3\xbcrich" } }),
        noChecks());
    EXPECT_NE(saved.file.find("<NAME>M\xc3\xbcller</NAME>"), std::string::npos);
    EXPECT_NE(saved.file.find("<QTH>\xe2\x82\xac"
                              "5</QTH>"),
        std::string::npos);
    EXPECT_NE(saved.file.find("<NAME>az</NAME>"), std::string::npos);
    EXPECT_NE(saved.file.find("<QTH>Z\xc3\xbcrich</QTH>"), std::string::npos);
    EXPECT_TRUE(isWellFormedXml(saved.path));
}

TEST(AdxWriter, SharesTheChecksAndTheReportOfTheAdiWriter)
{
    const LogTable table = logOf(writerFields,
        { { "AB1C", "20240301", "1234", "20m", "144", "CW" },
            { "X", "20240301", "1234", "20m", "14", "CW" } });
    const Saved saved = save(table);
    EXPECT_EQ(saved.result.written, 1);
    EXPECT_EQ(saved.report,
        "Invalid 'CALL' value:\r\n"
        "  <RECORD>\r\n    <CALL>X</CALL>\r\n    <QSO_DATE>20240301</QSO_DATE>\r\n    "
        "<TIME_ON>1234</TIME_ON>\r\n"
        "    <BAND>20m</BAND>\r\n    <FREQ>14.000</FREQ>\r\n    <MODE>CW</MODE>\r\n  </RECORD>\r\n");
    EXPECT_TRUE(saved.result.frequencyWithoutSeparator);
    EXPECT_FALSE(AdxFormat {}.reportsFrequencyWarning());
    EXPECT_EQ(saveReportQuestion(saved.result, AdxFormat {}.reportsFrequencyWarning()),
        "Saved ADIF entries: 1\t\nErrors: 1\t\t\t\n\nDo you want to see the log?");

    // A FREQ column without BAND: a record without FREQ passes only with another FREQ... field.
    const Saved frequency = save(logOf({ "CALL", "QSO_DATE", "MODE", "FREQ", "FREQ_RX" },
        { { "AB1C", "20240301", "CW", "", "" }, { "AB1C", "20240301", "CW", "", "7.1" } }));
    EXPECT_EQ(frequency.result.written, 1);
    ASSERT_EQ(frequency.result.errors.size(), 1u);
    EXPECT_EQ(frequency.result.errors[0].rfind("Invalid 'FREQ' value:\r\n  <RECORD>", 0), 0u);
}

TEST(AdxWriter, AlwaysWritesTheWholeLog)
{
    LogTable table = logOf({ "CALL" }, { { "A1A" }, { "B1B" }, { "C1C" } });
    table.setSelection({ { 2, 1, 2, 1 } });
    SaveOptions options = noChecks();
    options.selectionOnly = true;
    EXPECT_EQ(save(table, options).result.written, 3);
}

TEST(AdxWriter, CountsTheCharactersXmlCannotCarry)
{
    struct Case {
        const char *value;
        std::size_t dropped;
    };
    for (const Case &c : {
             Case { "plain", 0 },
             Case { "tab\tline\nfeed\rkept", 0 },
             Case { "bell\x07 and escape\x1b", 2 },
             Case { "\xef\xbf\xbe and \xef\xbf\xbf", 2 },
             Case { "\xef\xbf\xbd replacement stays", 0 },
             Case { "Windows-1252 \x80 with a \x01", 1 },
         }) {
        const Saved saved = save(logOf({ "COMMENT" }, { { c.value }, { c.value } }), noChecks());
        ASSERT_TRUE(saved.result.ok) << c.value;
        EXPECT_EQ(saved.result.droppedCharacters, 2 * c.dropped) << c.value;
        EXPECT_TRUE(isWellFormedXml(saved.path)) << c.value;
    }
    SaveResult result;
    EXPECT_EQ(droppedCharactersText(result), "");
    result.droppedCharacters = 1;
    EXPECT_EQ(droppedCharactersText(result),
        "1 character that XML cannot carry (control characters, U+FFFE, U+FFFF) was left out of the file.");
    result.droppedCharacters = 3;
    EXPECT_EQ(droppedCharactersText(result),
        "3 characters that XML cannot carry (control characters, U+FFFE, U+FFFF) were left out of the file.");
}
