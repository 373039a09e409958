// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiReader.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

namespace
{

struct Read {
    LogTable table;
    ReadResult result;
};

Read readText(std::string_view text, bool ignoreBracket = false)
{
    Read read;
    RunningFlag progress;
    read.result = readAdi(bufferOf(text), read.table, ReadOptions { ignoreBracket }, progress);
    return read;
}

} // namespace

TEST(AdiReader, ReadsRecordsWhateverTheirLineLayout)
{
    struct Case {
        const char *name;
        const char *text;
        Texts calls;
    };
    for (const Case &c : {
             Case { "lower-case tags on one line", "<call:4>AB1C<qso_date:8>20240301<eor>\n", { "AB1C" } },
             Case { "a record over three lines", "<CALL:4>AB1C\n<QSO_DATE:8>20240301\n<EOR>\n", { "AB1C" } },
             Case { "the next record starts after <EOR>",
                 "<CALL:4>AB1C\n<QSO_DATE:8>20240301<EOR><CALL:5>K1ABC\n<QSO_DATE:8>20240302<EOR>\n",
                 { "AB1C", "K1ABC" } },
             Case { "a whole log on one line", "<CALL:1>A<EOR><CALL:1>B<EOR> <CALL:1>C<eor>",
                 { "A", "B", "C" } },
             Case { "a last record without <EOR>", "<CALL:1>A<EOR>\n<CALL:1>B <QSO_DATE:8>20240301\n",
                 { "A", "B" } },
             Case { "CR LF line ends", "hdr\r\n<EOH>\r\n<CALL:1>A<EOR>\r\n<CALL:1>B<EOR>\r\n", { "A", "B" } },
             Case { "empty records are no QSOs", "<EOR><CALL:1>A<EOR><EOR>\n<EOR>", { "A" } },
         }) {
        const Read read = readText(c.text);
        ASSERT_TRUE(read.result.ok) << c.name;
        Texts calls;
        for (int row = 1; row < read.table.rowCount(); ++row)
            calls.push_back(cell(read.table, row, "CALL"));
        EXPECT_EQ(calls, c.calls) << c.name;
        EXPECT_EQ(read.result.records, static_cast<int>(c.calls.size())) << c.name;
    }
}

TEST(AdiReader, ColumnsFollowFirstAppearanceInUpperCase)
{
    const Read read = readText("<call:4>AB1C <Qso_Date:8>20240301 <EOR>\n<BAND:3>20M <CALL:1>X <EOR>\n");
    EXPECT_EQ(headers(read.table), (Texts { "CALL", "QSO_DATE", "BAND" }));
    EXPECT_EQ(read.table.fixedColumnCount(), 0) << "the controller adds the # column";
    EXPECT_EQ(read.table.fixedRowCount(), 1);
    EXPECT_EQ(cell(read.table, 1, "BAND"), "");
    EXPECT_EQ(cell(read.table, 2, "QSO_DATE"), "");
}

TEST(AdiReader, TheHeaderGivesNoColumns)
{
    const Read plain = readText("Log of AB1C\n<ADIF_VER:5>3.1.6\n<EOH>\n<CALL:4>AB1C<EOR>\n");
    EXPECT_EQ(headers(plain.table), (Texts { "CALL" }));
    // header fields, <EOH> and the first record on one line
    const Read oneLine = readText("<ADIF_VER:5>3.1.6<PROGRAMID:3>XYZ<EOH><CALL:4>AB1C<EOR>");
    EXPECT_EQ(headers(oneLine.table), (Texts { "CALL" }));
    // a header whose lengths run past <EOH> still ends there
    const Read broken = readText("x <PROGRAMID:40>Cloud\n<EOH>\n<CALL:4>AB1C<EOR>\n");
    EXPECT_EQ(headers(broken.table), (Texts { "CALL" }));
    EXPECT_EQ(cell(broken.table, 1, "CALL"), "AB1C");
    // without any header the first field is a field
    const Read none = readText("<CALL:4>AB1C<EOR>\n<CALL:4>K1AB<EOR>\n");
    EXPECT_EQ(none.table.qsoCount(), 2);
}

TEST(AdiReader, ValuesAreExactlyTheirDeclaredBytes)
{
    struct Case {
        const char *name;
        std::string text;
        std::string comment;
    };
    const std::string notes(12345, 'n');
    for (const Case &c :
        {
            Case { "type letter ignored", "<COMMENT:10:S>ab cd efgh<EOR>", "ab cd efgh" },
            Case { "CR LF inside a value", "<COMMENT:9>abc\r\ndefg <EOR>\r\n", "abc\r\ndefg" },
            Case { "LF inside a value", "<COMMENT:8>abc\ndefg<CALL:1>A<EOR>\n", "abc\ndefg" },
            Case { "a length of five digits", "<COMMENT:12345>" + notes + "<EOR>", notes },
            Case { "a shorter length cuts the text", "<COMMENT:3>abcdef <EOR>", "abc" },
            Case { "a length beyond the record stops at <EOR>", "<COMMENT:50>abc<EOR><CALL:1>B<EOR>", "abc" },
            Case { "a length beyond the file", "<COMMENT:999999999>abc", "abc" },
            Case { "zero length", "<COMMENT:0>abc<EOR>", "" },
            Case { "blanks before the length", "<COMMENT: 3>abc<EOR>", "abc" },
            Case { "a field twice: the first counts", "<COMMENT:1>1<COMMENT:1>2<EOR>", "1" },
        }) {
        const Read read = readText(c.text);
        ASSERT_TRUE(read.result.ok) << c.name;
        EXPECT_EQ(cell(read.table, 1, "COMMENT"), c.comment) << c.name;
    }
}

TEST(AdiReader, BracketsInsideValuesStartNoField)
{
    const Read kept = readText("<COMMENT:3><b><CALL:4>AB1C<EOR>");
    EXPECT_EQ(headers(kept.table), (Texts { "COMMENT", "CALL" }));
    EXPECT_EQ(cell(kept.table, 1, "COMMENT"), "<b>");
    EXPECT_EQ(cell(kept.table, 1, "CALL"), "AB1C");

    const Read ignored = readText("<COMMENT:3><b><CALL:4>AB1C<EOR>", true);
    EXPECT_EQ(headers(ignored.table), (Texts { "COMMENT", "CALL" }));
    EXPECT_EQ(cell(ignored.table, 1, "COMMENT"), "b");

    // a value holding a whole tag and an end-of-record tag's look-alike
    const Read nested = readText("<NOTES:20>see <CALL:4>XXXX here<CALL:4>AB1C<EOR>");
    EXPECT_EQ(headers(nested.table), (Texts { "NOTES", "CALL" }));
    EXPECT_EQ(cell(nested.table, 1, "CALL"), "AB1C");
}

TEST(AdiReader, MalformedTagsAreText)
{
    struct Case {
        const char *name;
        const char *text;
        Texts headers;
    };
    for (const Case &c : {
             Case { "a tag without >", "<CALL:4 AB1C <BAND:3>20M<EOR>", { "BAND" } },
             Case { "a bare tag between fields", "<CALL:1>A <APP_LoTW_EOF> <b> <EOR>", { "CALL" } },
             Case { "a less-than sign in free text", "a < b: c> <CALL:1>A<EOR>", { "CALL" } },
             Case { "an empty name", "<:3>abc<CALL:1>A<EOR>", { "CALL" } },
             Case { "a stray < before a tag", "<<CALL:1>A<EOR>", { "CALL" } },
         }) {
        const Read read = readText(c.text);
        EXPECT_EQ(headers(read.table), c.headers) << c.name;
    }
}

TEST(AdiReader, LengthsCountedInCharactersAreRecovered)
{
    // "Tankó" is five characters and six bytes.
    const Read characters = readText("<NAME:12>Ferenc Tank\xc3\xb3 <CALL:4>HA1X<EOR>\n");
    EXPECT_EQ(cell(characters.table, 1, "NAME"), "Ferenc Tank\xc3\xb3");
    EXPECT_EQ(characters.result.characterLengthRecoveries, 1);

    const Read bytes = readText("<NAME:13>Ferenc Tank\xc3\xb3 <EOR>\n");
    EXPECT_EQ(cell(bytes.table, 1, "NAME"), "Ferenc Tank\xc3\xb3");
    EXPECT_EQ(bytes.result.characterLengthRecoveries, 0);

    // The character reading must end cleanly; otherwise the bytes stand.
    const Read unclear = readText("<NAME:2>\xc3\xb3xyz<EOR>\n");
    EXPECT_EQ(cell(unclear.table, 1, "NAME"), "\xc3\xb3");
    const Read cut = readText("<NAME:1>\xc3\xb3x<EOR>\n");
    EXPECT_EQ(cell(cut.table, 1, "NAME"), "\xc3");
    EXPECT_EQ(cut.result.characterLengthRecoveries, 0);
}

TEST(AdiReader, FailureLeavesTheTableUntouched)
{
    for (const char *text :
        { "", "Header only\n<ADIF_VER:5>3.1.6\n<EOH>\n", "no tags at all", "<EOR><EOR>" }) {
        Read read = readText("<CALL:4>AB1C<EOR>");
        RunningFlag progress;
        const ReadResult result = readAdi(bufferOf(text), read.table, {}, progress);
        EXPECT_FALSE(result.ok) << text;
        EXPECT_EQ(read.table.qsoCount(), 1) << text;
        EXPECT_EQ(cell(read.table, 1, "CALL"), "AB1C") << text;
    }
    LogTable table;
    RunningFlag progress;
    const ReadResult missing = readAdiFile("/nonexistent/log.adi", table, {}, progress);
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.detail.find("/nonexistent/log.adi"), std::string::npos);
}

TEST(AdiReader, StopInTheSecondPassKeepsTheRowsReadSoFar)
{
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += "<CALL:2>C" + std::to_string(i) + "<EOR>\n";
    LogTable table;
    StopAfter progress(10 + 3); // the first pass asks ten times, once per record
    const ReadResult result = readAdi(bufferOf(text), table, {}, progress);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 4);
    EXPECT_EQ(table.qsoCount(), 4) << "no empty rows for the records never read";
    EXPECT_EQ(cell(table, 4, "CALL"), "C3");
    EXPECT_EQ(progress.labels, (Texts { "Collecting tags ...", "Reading file ...", "Filling the grid ..." }));
}

TEST(AdiReader, StopInTheFirstPassChangesNothing)
{
    Read read = readText("<CALL:3>OLD<EOR>");
    StopAfter progress(1);
    const ReadResult result
        = readAdi(bufferOf("<CALL:1>A<EOR><CALL:1>B<EOR><CALL:1>C<EOR>"), read.table, {}, progress);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(cell(read.table, 1, "CALL"), "OLD");
}

TEST(AdiReader, MergeAppendsRowsAndAddsNewFieldsAtTheRight)
{
    Read read = readText("<CALL:4>AB1C<QSO_DATE:8>20240301<BAND:3>20M<EOR>");
    read.table.insertColumn("#", 0);
    read.table.setFixedColumnCount(1);
    read.table.insertColumn("call");
    RunningFlag progress;
    const ReadResult result = mergeAdi(
        bufferOf("<EOH><CALL:4>K1AB<QSO_DATE:8>20240302<GRIDSQUARE:4>FN42<EOR>"), read.table, {}, progress);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(headers(read.table), (Texts { "#", "CALL", "QSO_DATE", "BAND", "call", "GRIDSQUARE" }));
    EXPECT_EQ(read.table.qsoCount(), 2);
    EXPECT_EQ(cell(read.table, 1, "CALL"), "AB1C");
    EXPECT_EQ(cell(read.table, 1, "GRIDSQUARE"), "");
    EXPECT_EQ(cell(read.table, 2, "CALL"), "K1AB");
    EXPECT_EQ(cell(read.table, 2, "BAND"), "");
    EXPECT_EQ(cell(read.table, 2, "call"), "");

    const ReadResult nothing = mergeAdi(bufferOf("header only<EOH>"), read.table, {}, progress);
    EXPECT_FALSE(nothing.ok);
    EXPECT_EQ(read.table.qsoCount(), 2);
}

TEST(AdiReader, AStoppedMergeAppendsOnlyTheRecordsRead)
{
    Read read = readText("<CALL:4>AB1C<EOR><CALL:4>K1AB<EOR>");
    std::string text;
    for (int i = 0; i < 6; ++i)
        text += "<CALL:2>M" + std::to_string(i) + "<EOR>\n";
    StopAfter progress(6 + 1); // six questions in the first pass; the second stops after two records
    const ReadResult result = mergeAdi(bufferOf(text), read.table, {}, progress);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 2);
    EXPECT_EQ(read.table.qsoCount(), 2 + 2);
    EXPECT_EQ(cell(read.table, 4, "CALL"), "M1");
}

TEST(ExtractAdiValue, FindsFieldsByTagNeverInsideValues)
{
    const std::string record = "<COMMENT:13>no <CALL:2>XX<CALL:4>AB1C <call_x:1>y<EOR>";
    EXPECT_EQ(extractAdiValue(record, "CALL", false), "AB1C");
    EXPECT_EQ(extractAdiValue(record, "call", false), "AB1C");
    EXPECT_EQ(extractAdiValue(record, "CALL_X", false), "y");
    EXPECT_EQ(extractAdiValue(record, "COMMENT", true), "no CALL:2XX");
    EXPECT_FALSE(extractAdiValue(record, "BAND", false));
    EXPECT_FALSE(extractAdiValue("<BAND:3 20M", "BAND", false));
}

TEST(AdiReader, RefusesATableFarLargerThanItsFile)
{
    // Every record names a field of its own: records x names cells for a file of a few hundred kB.
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "<F" + std::to_string(i) + ":0><EOR>";
    const Read read = readText(text);
    EXPECT_FALSE(read.result.ok);
    EXPECT_EQ(read.result.message, "Not enough memory for this log.");
    EXPECT_EQ(read.table.rowCount(), 0);
}

TEST(AdiReader, LengthsAreTrustedWhereAValueEnds)
{
    // "Jürgen" is six characters and seven bytes.
    struct Case {
        const char *name;
        const char *text;
        const char *value;
        int recoveries;
    };
    for (const Case &c : {
             Case { "characters before a blank and a tag", "<NAME:6>J\xc3\xbcrgen <CALL:4>DL1X<EOR>",
                 "J\xc3\xbcrgen", 1 },
             Case { "characters before <EOR>", "<NAME:6>J\xc3\xbcrgen<EOR>", "J\xc3\xbcrgen", 1 },
             Case { "characters before a line end", "<NAME:6>J\xc3\xbcrgen\r\n<EOR>", "J\xc3\xbcrgen", 1 },
             Case { "characters up to the end of the file", "<NAME:6>J\xc3\xbcrgen", "J\xc3\xbcrgen", 1 },
             Case { "bytes", "<NAME:7>J\xc3\xbcrgen <EOR>", "J\xc3\xbcrgen", 0 },
             Case { "bytes win when both readings end cleanly", "<NAME:2>\xc3\xbc <b> <EOR>", "\xc3\xbc", 0 },
             Case { "a plain text too long for its length", "<NAME:3>abcd <EOR>", "abc", 0 },
             Case { "neither reading ends cleanly", "<NAME:5>J\xc3\xbcrgen <EOR>", "J\xc3\xbcrg", 0 },
         }) {
        const Read read = readText(c.text);
        EXPECT_EQ(cell(read.table, 1, "NAME"), c.value) << c.name;
        EXPECT_EQ(read.result.characterLengthRecoveries, c.recoveries) << c.name;
    }
}

TEST(AdiReader, AnEndOfRecordTagInsideAValueIsText)
{
    struct Case {
        const char *name;
        const char *text;
        Texts comments;
    };
    for (const Case &c :
        {
            Case { "a value holding <EOR>", "<COMMENT:16>sent <EOR> twice <CALL:4>AB1C<EOR>\r\n",
                { "sent <EOR> twice" } },
            Case { "a value that is <EOR>", "<COMMENT:5><EOR><CALL:1>A<EOR>", { "<EOR>" } },
            Case { "a value holding <EOR> at the end of the file", "<COMMENT:7>a <EOR>", { "a <EOR>" } },
            Case { "a wrong length stops at <EOR>", "<COMMENT:10>abc<EOR><COMMENT:1>B<EOR>", { "abc", "B" } },
            Case { "a wrong length inside the next record", "<COMMENT:12>abc<EOR><COMMENT:1>B <EOR>",
                { "abc", "B" } },
        }) {
        const Read read = readText(c.text);
        Texts comments;
        for (int row = 1; row < read.table.rowCount(); ++row)
            comments.push_back(cell(read.table, row, "COMMENT"));
        EXPECT_EQ(comments, c.comments) << c.name;
    }
}

TEST(AdiReader, CountsWhatItRepairedOrSkipped)
{
    struct Case {
        const char *name;
        const char *text;
        Texts headers;
        int rows, truncated, skipped, empty;
    };
    for (const Case &c : {
             Case { "a value cut by the end of the file", "<CALL:4>AB1C<NAME:5>Ma", { "CALL", "NAME" }, 1, 1,
                 0, 0 },
             Case { "a wrong length before <EOR>", "<NAME:5>Ma<EOR>", { "NAME" }, 1, 0, 0, 0 },
             Case { "records without fields", "<EOR><CALL:1>A<EOR><EOR>\n<EOR>", { "CALL" }, 1, 0, 0, 3 },
             Case { "a tag without >", "<CALL:4 W1AW<EOR><CALL:4>K1AB<EOR>", { "CALL" }, 1, 0, 1, 1 },
             Case { "a blank in a name", "<MY CALL:4>AB1C<CALL:4>K1AB<EOR>", { "CALL" }, 1, 0, 1, 0 },
             Case {
                 "a control character in a name", "<MY\x01:4>AB1C<CALL:4>K1AB<EOR>", { "CALL" }, 1, 0, 1, 0 },
             Case { "markers with a length", "<CALL:1>A<EOR:0><CALL:1>B<eor:0>", { "CALL" }, 2, 0, 0, 0 },
             Case { "a header ended with a length", "hdr <ADIF_VER:5>3.1.6 <EOH:0>\n<CALL:1>A<EOR>",
                 { "CALL" }, 1, 0, 0, 0 },
         }) {
        const Read read = readText(c.text);
        EXPECT_EQ(headers(read.table), c.headers) << c.name;
        EXPECT_EQ(read.table.qsoCount(), c.rows) << c.name;
        EXPECT_EQ(read.result.truncatedValues, c.truncated) << c.name;
        EXPECT_EQ(read.result.skippedTags, c.skipped) << c.name;
        EXPECT_EQ(read.result.emptyRecords, c.empty) << c.name;
    }
}

TEST(AdiReader, ALengthMayFollowBlanksAndTabs)
{
    for (const char *text : { "<MODE:\t2>CW<EOR>", "<MODE: \t 2>CW<EOR>", "<MODE:2>CW<EOR>" })
        EXPECT_EQ(cell(readText(text).table, 1, "MODE"), "CW") << text;
}

TEST(AdiReader, ProblemsAreSaidInOneSentenceEach)
{
    ReadResult result;
    EXPECT_EQ(readProblemsText(result), "");
    result.truncatedValues = 1;
    result.skippedTags = 2;
    result.emptyRecords = 3;
    EXPECT_EQ(readProblemsText(result),
        "One value is cut short by the end of the file.\n"
        "2 tags could not be read and were skipped.\n"
        "3 records without any field were skipped.\n");
}

TEST(AdiReader, TableKnowsWhenEveryTextIsPlainAscii)
{
    struct Case {
        const char *text;
        bool onlyAscii;
    };
    for (const Case &c : { Case { "<CALL:6>DL1ABC<NAME:4>Jorg<EOR>", true },
             { "<CALL:6>DL1ABC<NAME:5>J\xC3\xB6rg<EOR>", false },
             { "<CALL:6>DL1ABC<NAME:4>J\xF6rg<EOR>", false },
             { "\xE9 header <EOH><CALL:6>DL1ABC<EOR>", false } }) {
        EXPECT_EQ(readText(c.text).table.holdsOnlyAscii(), c.onlyAscii) << c.text;
    }
    Read read = readText("<CALL:6>DL1ABC<EOR>");
    read.table.setText(1, 0, "F\xFC");
    EXPECT_FALSE(read.table.holdsOnlyAscii()) << "an edit with a high byte counts as well";
}
