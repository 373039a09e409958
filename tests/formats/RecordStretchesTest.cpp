// SPDX-License-Identifier: GPL-3.0-or-later
// A log read by several threads at once must give the table one thread gives: the same rows in the same
// order, the same columns, the same repairs counted. The logs here are made to mislead the cutting: end
// tags inside values, comments and CDATA sections, wrong lengths, empty and unclosed records.
#include "TestSupport.h"
#include "formats/AdiReader.h"
#include "formats/AdxReader.h"
#include "formats/TableDump.h"

#include <gtest/gtest.h>
#include <random>

using namespace quillog;
using namespace quillog::test;

namespace
{

// Fields come and go, so that columns first appear deep into the log.
std::string fieldName(std::mt19937 &random, int record)
{
    static const char *const common[] = { "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "call", "Freq" };
    if (random() % 4 != 0)
        return common[random() % std::size(common)];
    return "X_" + std::to_string(random() % (record / 8 + 1));
}

std::string adiField(std::string_view name, std::string_view value)
{
    return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + std::string(value) + " ";
}

std::string adiRecord(std::mt19937 &random, int record)
{
    std::string text;
    const int fields = static_cast<int>(random() % 6);
    for (int field = 0; field < fields; ++field) {
        const std::string name = fieldName(random, record);
        switch (random() % 10) {
        case 0:
            text += adiField(name, "x<EOR>y<eor:0>");
            break;
        case 1:
            text += "<" + name + ":9>short<EOR>";
            break; // a length running into the end tag
        case 2:
            text += "<" + name + ":2>too long ";
            break;
        case 3:
            text += adiField(name, "<b>bold</b>");
            break;
        case 4:
            text += "<" + name + ":4>\xC3\xA9t\xC3\xA9 ";
            break; // counted in characters
        case 5:
            text += "a < b <" + name + " :3>bad ";
            break;
        default:
            text += adiField(name, "V" + std::to_string(random() % 1000));
            break;
        }
    }
    static const char *const ends[] = { "<EOR>\n", "<eor>", "<EOR:0>\r\n", "\n<Eor>\n" };
    return text + ends[random() % std::size(ends)];
}

std::string adiLog(unsigned seed, int records)
{
    std::mt19937 random(seed);
    std::string text = "header text <EOR> is not a record here\n<ADIF_VER:5>3.1.6<EOH>\n";
    for (int record = 0; record < records; ++record) {
        text += adiRecord(random, record);
        // A run of empty records longer than a stretch: a stretch may hold no record at all.
        for (int empty = 0; empty < 500 && record == records / 2; ++empty)
            text += "<EOR>\n";
    }
    return text + "<CALL:5>LAST1"; // a last record cut off by the end of the file
}

std::string adxRecord(std::mt19937 &random, int record)
{
    std::string text = "<RECORD>";
    const int fields = static_cast<int>(random() % 5);
    for (int field = 0; field < fields; ++field) {
        const std::string name = fieldName(random, record);
        switch (random() % 8) {
        case 0:
            text += "<!-- </RECORD><RECORD> -->";
            break;
        case 1:
            text += "<" + name + "><![CDATA[a</RECORD>b]]></" + name + ">";
            break;
        case 2:
            text += "<" + name + ">A &amp; B &lt;</" + name + ">";
            break;
        case 3:
            text += "<USERDEF FIELDNAME=\"u" + std::to_string(record % 3) + "\">1</USERDEF>";
            break;
        case 4:
            text += "<APP PROGRAMID=\"P\" FIELDNAME=\"n\">2</APP>";
            break;
        default:
            text += "<" + name + ">V" + std::to_string(random() % 1000) + "</" + name + ">";
            break;
        }
    }
    // Now and then a record is never closed: the next one ends it.
    return text + (random() % 7 == 0 ? "\n" : "</RECORD>\n");
}

std::string adxLog(unsigned seed, int records)
{
    std::mt19937 random(seed);
    std::string text = "<?xml version=\"1.0\"?>\n<ADX><HEADER><ADIF_VER>3.1.6</ADIF_VER></HEADER><RECORDS>\n";
    std::size_t unclosed = std::string::npos;
    for (int record = 0; record < records; ++record) {
        text += adxRecord(random, record);
        for (int empty = 0; empty < 200 && record == records / 2; ++empty)
            text += "<RECORD></RECORD>\n";
        // A comment never closed swallows the records after it.
        if (seed % 4 == 0 && record == records * 3 / 4)
            unclosed = text.size();
    }
    if (unclosed != std::string::npos) {
        for (std::size_t end = text.find("-->", unclosed); end != std::string::npos;
             end = text.find("-->", end))
            text[end + 2] = '!';
        text.insert(unclosed, "<!-- never closed ");
    }
    return text + "</RECORDS></ADX>\n";
}

struct Outcome {
    std::string dump;
    int records = 0, recordsRead = 0, recoveries = 0, truncated = 0, skipped = 0, empty = 0;
    bool operator==(const Outcome &) const = default;
};

// The outcome of read(table, options, progress) with the given number of threads.
template <typename Read> Outcome readWith(std::size_t threads, Read read)
{
    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.readerThreads = threads;
    const ReadResult result = read(table, options, progress);
    return { tableDump(table), result.records, result.recordsRead, result.characterLengthRecoveries,
        result.truncatedValues, result.skippedTags, result.emptyRecords };
}

Outcome readAdiWith(const std::string &text, std::size_t threads, bool ignoreBracket)
{
    return readWith(threads, [&](LogTable &table, ReadOptions &options, Progress &progress) {
        options.ignoreBracket = ignoreBracket;
        return readAdi(bufferOf(text), table, options, progress);
    });
}

Outcome mergeAdiWith(const std::string &text, std::size_t threads)
{
    return readWith(threads, [&](LogTable &table, ReadOptions &options, Progress &progress) {
        readAdi(bufferOf("<MODE:2>CW<CALL:4>AB1C<EOR>"), table, {}, progress);
        return mergeAdi(bufferOf(text), table, options, progress);
    });
}

Outcome readAdxWith(const std::string &text, std::size_t threads)
{
    return readWith(threads, [&](LogTable &table, ReadOptions &options, Progress &progress) {
        return readAdx(bufferOf(text), table, progress, options);
    });
}

} // namespace

TEST(RecordStretches, SeveralThreadsReadWhatOneReads)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        const std::string adi = adiLog(seed, 300);
        const std::string adx = adxLog(seed, 300);
        const Outcome adiAlone = readAdiWith(adi, 1, false);
        const Outcome bracketsAlone = readAdiWith(adi, 1, true);
        const Outcome mergedAlone = mergeAdiWith(adi, 1);
        const Outcome adxAlone = readAdxWith(adx, 1);
        ASSERT_GT(adiAlone.recordsRead, 200);
        ASSERT_GT(adxAlone.recordsRead, 150);
        for (const std::size_t threads : { 2u, 3u, 7u, 40u }) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(threads) + " threads");
            EXPECT_EQ(readAdiWith(adi, threads, false), adiAlone);
            EXPECT_EQ(readAdiWith(adi, threads, true), bracketsAlone);
            EXPECT_EQ(mergeAdiWith(adi, threads), mergedAlone);
            EXPECT_EQ(readAdxWith(adx, threads), adxAlone);
        }
    }
}

TEST(RecordStretches, AStoppedReadKeepsAnUnbrokenRunOfFirstRows)
{
    std::string text;
    for (int record = 1; record <= 2000; ++record)
        text += adiField("CALL", "K" + std::to_string(record)) + "<EOR>\n";
    for (const int questions : { 0, 1, 5, 200, 1000, 1999, 4000 }) {
        SCOPED_TRACE(questions);
        LogTable table;
        StopAfter progress(questions);
        ReadOptions options;
        options.readerThreads = 4;
        const ReadResult result = readAdi(bufferOf(text), table, options, progress);
        EXPECT_EQ(result.recordsRead, table.qsoCount());
        for (int row = 1; row <= table.qsoCount(); ++row)
            ASSERT_EQ(table.text(row, 0), "K" + std::to_string(row));
        EXPECT_EQ(result.stopped, table.qsoCount() < 2000);
    }
}
