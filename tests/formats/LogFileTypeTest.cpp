// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LogFileType.h"

#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

using namespace quillog;
using namespace quillog::test;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace
{

const std::string dataFolder = QUILLOG_TEST_DATA "/core/";

LogFileType typeOf(std::string_view bytes, std::string_view path = "log.txt")
{
    return detectLogFileTypeInBytes(bytes, path).type;
}

std::string repeated(std::string_view line, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

} // namespace

TEST(DetectLogFileType, RealLogsOfEveryKind)
{
    struct Case {
        const char *file;
        LogFileType expected;
        bool wide;
    };
    const Case cases[] = {
        { "adif_example_header_userdefs.adi", LogFileType::TypeAdif, false },
        { "hamrs_0.10.7.adi", LogFileType::TypeAdif, false },
        { "pyadif_file_good.adx", LogFileType::TypeAdx, false },
        { "cqrlog_iaru-hf_xqso.log", LogFileType::TypeCabrillo, false },
        { "writelog_arrl-dx-cw_te5t.log", LogFileType::TypeCabrillo, false },
        { "pota_app_kj7low.csv", LogFileType::TypeCsv, false },
        { "sq7n_logbook.csv", LogFileType::TypeCsv, false },
        { "utf16le_bom.adi", LogFileType::TypeAdif, true },
        { "utf16be_bom.adi", LogFileType::TypeAdif, true },
        { "utf16le.adi", LogFileType::TypeAdif, true },
        { "no-such-file.adi", LogFileType::TypeMissing, false },
    };
    for (const Case &c : cases) {
        const LogFileTypeResult result = detectLogFileType(dataFolder + c.file);
        EXPECT_EQ(result.type, c.expected) << c.file;
        EXPECT_EQ(result.wideSource, c.wide) << c.file;
        EXPECT_TRUE(result.message.empty()) << c.file;
    }
}

TEST(DetectLogFileType, FirstMarkerInByteOrderWins)
{
    struct Case {
        std::string bytes;
        LogFileType expected;
    };
    const Case cases[] = {
        { "header text\n<EOH>\n", LogFileType::TypeAdif },
        { "<call:4>W1AW<eor>", LogFileType::TypeAdif }, // the tag ends the file
        { "header <eOh> more", LogFileType::TypeAdif },
        { "<CALL:4>W1AW<EoR>\n", LogFileType::TypeAdif },
        { "<?xml version=\"1.0\"?><adx><HEADER>", LogFileType::TypeAdx },
        { "START-OF-LOG: 3.0\nQSO: 14000 CW", LogFileType::TypeCabrillo },
        { "START-OF-LOG: 3.0\nqso: 14000 CW\n", LogFileType::TypeUnrecognised },
        { "TRLOG\n ---- \n1 20CW", LogFileType::TypeTrlogTable },
        { "QSO: in the header\n<EOH>\n<CALL:4>W1AW<EOR>\n", LogFileType::TypeCabrillo },
        { "<EOH>\nQSO: 14000 CW\n", LogFileType::TypeAdif },
        { "CALLSIGN: W1AW\n ---- \nQSO: 14000 CW\n", LogFileType::TypeTrlogTable },
        { "QSO: 14000 CW\n ---- \n", LogFileType::TypeCabrillo },
        { "<ADX> then <EOR>", LogFileType::TypeAdx },
        { "<EO>R <E0R> <EOX> text", LogFileType::TypeUnrecognised },
    };
    for (const Case &c : cases)
        EXPECT_EQ(typeOf(c.bytes), c.expected) << c.bytes;
}

TEST(DetectLogFileType, CtMarkAndLengthLimits)
{
    std::string ct(40, 'x');
    ct.replace(0, 5, "<EOR>");
    ct.replace(32, 2, "CT");
    EXPECT_EQ(typeOf(ct), LogFileType::TypeCtBinary); // whatever else it holds
    EXPECT_EQ(typeOf(ct.substr(0, 34)), LogFileType::TypeCtBinary);
    EXPECT_EQ(typeOf(ct.substr(0, 33) + "X"), LogFileType::TypeAdif);

    EXPECT_EQ(typeOf("<EOR>QSO:"), LogFileType::TypeUnrecognised); // nine bytes are too few
    EXPECT_EQ(typeOf("<EOR>QSO:x"), LogFileType::TypeAdif);
    EXPECT_EQ(typeOf(""), LogFileType::TypeUnrecognised);
}

TEST(DetectLogFileType, DelimitedLines)
{
    struct Case {
        std::string bytes;
        const char *path;
        LogFileType expected;
    };
    const Case cases[] = {
        { repeated("a,b,c,d,e,f\n", 3), "log.txt", LogFileType::TypeCsv },
        { repeated("a;b;c;d;e;f\n", 3), "log.txt", LogFileType::TypeCsv },
        { repeated("a\tb\tc\td\te\tf\n", 3), "log.txt", LogFileType::TypeTabSeparated },
        { repeated("a,b,c,d,e,f\n", 2) + "a\tb\tc\td\te\tf\n", "log.txt", LogFileType::TypeTabSeparated },
        { repeated("a,b,c,d,e\n", 3), "log.txt", LogFileType::TypeUnrecognised }, // four commas a line
        { repeated("a,b,c,d,e,f\n", 2) + "a,b,c,d,e,f", "log.txt", LogFileType::TypeUnrecognised },
        { repeated("a,b,c\n", 2), "/logs/log.csv", LogFileType::TypeCsv },
        { repeated("a;b;c\n", 2), "/logs/log.csv", LogFileType::TypeCsv },
        { repeated("a,b,c\n", 2), "/logs/log.CSV", LogFileType::TypeUnrecognised },
        { repeated("a;b;c\n", 2), "/logs/log.txt", LogFileType::TypeUnrecognised },
        { "a,b,c\na,b\n", "/logs/log.csv", LogFileType::TypeUnrecognised },
        { "a,b,c\na,b,c", "/logs/log.csv", LogFileType::TypeUnrecognised }, // the second line has no end
    };
    for (const Case &c : cases)
        EXPECT_EQ(typeOf(c.bytes, c.path), c.expected) << c.bytes << " as " << c.path;
}

TEST(DetectLogFileType, Utf16TextIsConvertedAndScannedAgain)
{
    const auto utf16 = [](std::string_view text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : text)
            bytes += bigEndian ? "\0"s + c : c + "\0"s;
        return bytes;
    };
    for (const bool bigEndian : { false, true }) {
        LogFileTypeResult result = detectLogFileTypeInBytes(utf16("<CALL:4>W1AW<EOR>\n", bigEndian), "a.adi");
        EXPECT_EQ(result.type, LogFileType::TypeAdif);
        EXPECT_TRUE(result.wideSource);
        result = detectLogFileTypeInBytes(utf16(repeated("a,b,c,d,e,f\n", 3), bigEndian), "a.txt");
        EXPECT_EQ(result.type, LogFileType::TypeCsv);
        EXPECT_TRUE(result.wideSource);
    }
    // A marker in the raw bytes ahead of the UTF-16 text wins.
    EXPECT_EQ(typeOf("QSO: " + utf16("<EOR>", false)), LogFileType::TypeCabrillo);
    // Nothing to convert: the raw bytes decide, and the file is still flagged.
    const LogFileTypeResult empty = detectLogFileTypeInBytes("\0\0\0A\0B\0C\0D"s, "a.adi");
    EXPECT_EQ(empty.type, LogFileType::TypeUnrecognised);
    EXPECT_TRUE(empty.wideSource);
}

TEST(DetectLogFileType, ReadsBeyondTheFirstBlockWhenNeeded)
{
    const fs::path folder = freshFolder("large");
    struct Case {
        std::string bytes;
        LogFileType expected;
        bool wide;
    };
    const std::string filler = repeated("free text of a long header line\n", 4000);
    std::string wide;
    for (const char c : filler + "<EOH>\n")
        wide += c + "\0"s;
    std::string ct = filler;
    ct.replace(32, 2, "CT");
    const Case cases[] = {
        { filler + "<EOH>\n", LogFileType::TypeAdif, false },
        { filler.substr(0, 64 * 1024 - 3) + "<EOR>", LogFileType::TypeAdif, false }, // across the block end
        { "QSO: 1\n" + filler + "<EOH>\n", LogFileType::TypeCabrillo, false },
        { wide, LogFileType::TypeAdif, true },
        { ct, LogFileType::TypeCtBinary, false },
        { filler, LogFileType::TypeUnrecognised, false },
    };
    for (const Case &c : cases) {
        const fs::path path = folder / "log.adi";
        std::ofstream(path, std::ios::binary) << c.bytes;
        const LogFileTypeResult result = detectLogFileType(path.string());
        EXPECT_EQ(result.type, c.expected) << c.bytes.size() << " bytes";
        EXPECT_EQ(result.wideSource, c.wide) << c.bytes.size() << " bytes";
        EXPECT_EQ(result.type, typeOf(c.bytes, "log.adi"));
    }
    fs::remove_all(folder);
}

TEST(DetectLogFileType, WhatCannotBeReadIsReportedNotGuessed)
{
    const fs::path folder = freshFolder("unreadable");
    const std::string pipe = (folder / "pipe.adi").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string &path : { folder.string(), pipe }) {
        const LogFileTypeResult result = detectLogFileType(path);
        EXPECT_EQ(result.type, LogFileType::TypeUnrecognised) << path;
        EXPECT_EQ(result.message, "Can't open selected file.") << path;
    }
    std::ofstream(folder / "short.adi") << "<EOR>";
    EXPECT_EQ(detectLogFileType((folder / "short.adi").string()).type, LogFileType::TypeUnrecognised);
    EXPECT_TRUE(detectLogFileType((folder / "short.adi").string()).message.empty());
    EXPECT_EQ(detectLogFileType((folder / "short.adi/log.adi").string()).type, LogFileType::TypeMissing);
    fs::remove_all(folder);
}

TEST(DetectLogFileType, AnyBytesAreTakenWithoutHarm)
{
    std::mt19937 random(20240321);
    const std::string alphabet = "<>EeOoHhRrQSO: -\0\t,;\nCTadxADX\xFE\xFF"s;
    for (int round = 0; round < 3000; ++round) {
        std::string bytes(random() % 80, '\0');
        for (char &c : bytes)
            c = alphabet[random() % alphabet.size()];
        const LogFileTypeResult result = detectLogFileTypeInBytes(bytes, round % 2 ? "x.csv" : "x.adi");
        EXPECT_GE(static_cast<int>(result.type), 0);
        EXPECT_LE(static_cast<int>(result.type), 7);
    }
}
