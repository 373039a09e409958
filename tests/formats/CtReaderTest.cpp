// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CtReader.h"

#include "TableSnapshot.h"
#include "TestSupport.h"

#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

namespace
{

// One CT record laid out by hand: every field at its offset, little-endian.
struct CtRecord {
    std::string call = "K1AB";
    std::string second = "599";
    std::uint8_t band = 4;
    std::uint8_t mode = 1;
    std::uint8_t byte26 = 7;
    std::uint16_t word28 = 12;
    std::uint16_t word30 = 0xFFFF;
    std::uint32_t long34 = 100;
    std::uint32_t long38 = 0xFFFFFFFF;
    std::uint32_t time = 1700000000; // 2023-11-14 22:13:20 UTC
    std::uint8_t byte46 = 3;
    std::uint8_t byte47 = 'A';
    std::string closing = "CLOSING";

    std::string bytes(std::size_t size) const
    {
        std::string out(size, '\0');
        out.replace(0, std::min<std::size_t>(call.size(), 16), call.substr(0, 16));
        out.replace(16, std::min<std::size_t>(second.size(), 8), second.substr(0, 8));
        out[24] = static_cast<char>(band);
        out[25] = static_cast<char>(mode);
        out[26] = static_cast<char>(byte26);
        put(out, 28, word28, 2);
        put(out, 30, word30, 2);
        put(out, 34, long34, 4);
        put(out, 38, long38, 4);
        put(out, 42, time, 4);
        out[46] = static_cast<char>(byte46);
        out[47] = static_cast<char>(byte47);
        if (size == 64)
            out.replace(50, std::min<std::size_t>(closing.size(), 14), closing.substr(0, 14));
        return out;
    }

    static void put(std::string &out, std::size_t offset, std::uint32_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out[offset + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i) & 0xFF);
    }
};

std::string ctFile(std::string_view mark, const std::vector<CtRecord> &records)
{
    const bool ten = mark == "10";
    std::string out(mark == "8" ? 1024 : 4096, '\0');
    out[32] = 'C';
    out[33] = 'T';
    out.replace(35, mark.size(), mark);
    for (const CtRecord &record : records)
        out += record.bytes(ten ? 64 : 50);
    return out;
}

} // namespace

TEST(ReadCt, RecordsOfEachVersion)
{
    struct Case {
        const char *mark;
        Texts expected;
    };
    for (const Case &c : {
             Case { "8",
                 { "K1AB", "599", "20M", "CW", "7", "12", "-1", "100", "2147483647", "2213", "2023-11-14",
                     "3", "65", "A" } },
             { "9",
                 { "K1AB", "599", "20M", "CW", "7", "12", "-1", "100", "2147483647", "2213", "2023-11-14",
                     "3", "65", "A" } },
             { "10",
                 { "K1AB", "599", "20M", "CW", "7", "12", "-1", "100", "2147483647", "2213", "2023-11-14",
                     "3", "65", "CLOSING", "" } },
         }) {
        LogTable table;
        RunningFlag running;
        const ReadResult result = readCt(ctFile(c.mark, { CtRecord {}, CtRecord {} }), table, running);
        ASSERT_TRUE(result.ok) << c.mark;
        EXPECT_EQ(result.records, 2);
        EXPECT_EQ(rowTexts(table, 1), c.expected) << c.mark;
        EXPECT_EQ(headers(table), Texts(c.expected.size(), "")) << c.mark;
        EXPECT_EQ(table.fixedColumnCount(), 0);
    }
}

TEST(ReadCt, FieldsAreDecodedAndBounded)
{
    struct Case {
        CtRecord record;
        int column;
        const char *expected;
    };
    const auto with = [](auto change) {
        CtRecord record;
        change(record);
        return record;
    };
    for (const Case &c : {
             Case { with([](CtRecord &r) { r.band = 1; }), 2, "160M" },
             { with([](CtRecord &r) { r.band = 7; }), 2, "6M" },
             { with([](CtRecord &r) { r.band = 8; }), 2, "" },
             { with([](CtRecord &r) { r.band = 0; }), 2, "" },
             { with([](CtRecord &r) { r.mode = 0; }), 3, "RTTY" },
             { with([](CtRecord &r) { r.mode = 2; }), 3, "SSB" },
             { with([](CtRecord &r) { r.mode = 3; }), 3, "" },
             { with([](CtRecord &r) { r.word28 = 0x8000; }), 5, "-32768" },
             { with([](CtRecord &r) { r.word28 = 0x7FFF; }), 5, "32767" },
             { with([](CtRecord &r) { r.long34 = 0x80000000; }), 7, "2147483647" },
             { with([](CtRecord &r) { r.byte26 = 255; }), 4, "255" },
             { with([](CtRecord &r) { r.time = 0; }), 10, "1970-01-01" },
             { with([](CtRecord &r) { r.time = 951782400 + 86399; }), 10, "2000-02-29" },
             { with([](CtRecord &r) { r.time = 951782400 + 86399; }), 9, "2359" },
             { with([](CtRecord &r) { r.time = 0xFFFFFFFF; }), 10, "2038-01-19" },
             { with([](CtRecord &r) { r.time = 0xFFFFFFFF; }), 9, "0314" },
             // A text that fills its field has no terminating zero: it stops at the field's end.
             { with([](CtRecord &r) { r.call = "ABCDEFGHIJKLMNOP"; }), 0, "ABCDEFGHIJKLMNOP" },
             { with([](CtRecord &r) { r.second = "12345678"; }), 1, "12345678" },
             { with([](CtRecord &r) { r.byte47 = 0; }), 13, "" },
         }) {
        LogTable table;
        RunningFlag running;
        ASSERT_TRUE(readCt(ctFile("9", { c.record }), table, running).ok);
        EXPECT_EQ(table.text(1, c.column), c.expected) << c.column << " " << c.expected;
    }
}

TEST(ReadCt, TimesAreUtcWhateverTheLocalZone)
{
    const char *old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    ::setenv("TZ", "America/New_York", 1);
    ::tzset();
    LogTable table;
    RunningFlag running;
    ASSERT_TRUE(readCt(ctFile("9", { CtRecord {} }), table, running).ok);
    EXPECT_EQ(table.text(1, 9), "2213");
    EXPECT_EQ(table.text(1, 10), "2023-11-14");
    if (old)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(ReadCt, DamagedFilesFailWithTheirMessageAndLeaveTheLogAlone)
{
    struct Case {
        std::string bytes;
        std::string_view message;
    };
    std::string shortHeader(100, '\0');
    shortHeader[32] = 'C';
    shortHeader[33] = 'T';
    shortHeader[35] = '9';
    std::string noMark = ctFile("9", { CtRecord {} });
    noMark[33] = 'X';
    std::string cutRecord = ctFile("9", { CtRecord {} });
    cutRecord.pop_back();
    for (const Case &c : {
             Case { "", "" },
             { shortHeader, ctInvalidContentMessage },
             { std::string(127, 'x'), ctInvalidContentMessage },
             { noMark, ctUnsupportedVersionMessage },
             { ctFile("7", { CtRecord {} }), ctUnsupportedVersionMessage },
             { ctFile("1", { CtRecord {} }), ctUnsupportedVersionMessage },
             { ctFile("9", {}), "" },
             { cutRecord, "" },
             { ctFile("9", {}).substr(0, 128), "" },
         }) {
        LogTable table = logOf({ "CALL" }, { { "OLD" } });
        const auto before = snapshot(table);
        RunningFlag running;
        const ReadResult result = readCt(c.bytes, table, running);
        EXPECT_FALSE(result.ok) << c.bytes.size();
        EXPECT_EQ(result.warning, c.message) << c.bytes.size();
        EXPECT_EQ(snapshot(table), before) << c.bytes.size();
    }
}

TEST(ReadCt, StopKeepsTheRecordsReadSoFar)
{
    CtRecord second;
    second.call = "K2CD";
    LogTable table;
    StopAfter progress(0);
    const ReadResult result = readCt(ctFile("9", { CtRecord {}, second }), table, progress);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.recordsRead, 1);
    EXPECT_EQ(table.text(1, 0), "K1AB");
    EXPECT_EQ(table.text(2, 0), "") << "the record not read stays empty";
}

TEST(ReadCt, HandMadeFilesOfEachVersion)
{
    struct Case {
        const char *file;
        int columns;
        const char *closing;
    };
    for (const Case c :
        { Case { "ct_v8.bin", 14, "C" }, { "ct_v9.bin", 14, "C" }, { "ct_v10.bin", 15, "EXCH JA1XYZ" } }) {
        LogTable table;
        RunningFlag running;
        ASSERT_TRUE(readCt(fileContents(dataFile("ct/") + c.file), table, running).ok) << c.file;
        ASSERT_EQ(table.qsoCount(), 3) << c.file;
        EXPECT_EQ(table.columnCount(), c.columns) << c.file;
        EXPECT_EQ(rowTexts(table, 2)[0] + " " + rowTexts(table, 2)[2] + " " + rowTexts(table, 2)[3],
            "DL1ABC 40M CW")
            << c.file;
        const Texts third = rowTexts(table, 3);
        EXPECT_EQ(third[0], "JA1XYZ");
        EXPECT_EQ(third[2], "15M");
        EXPECT_EQ(third[3], "SSB");
        EXPECT_EQ(third[6], "300");
        EXPECT_EQ(third[8], "2147483647");
        EXPECT_EQ(third[9], "2313");
        EXPECT_EQ(third[10], "2023-11-14");
        EXPECT_EQ(third[13], c.closing) << c.file;
    }
}
