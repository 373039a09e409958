// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FormatRegistry.h"

#include "TestSupport.h"
#include "formats/LogWriter.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

TEST(FormatRegistry, SaveTargetChoosesTheWriterByExtension)
{
    struct Case {
        const char *path;
        const char *format;
    };
    for (const Case c : { Case { "/logs/a.adx", "ADX" }, { "/logs/a.ADX", "ADX" }, { "a.Adx", "ADX" },
             { "/logs/a.adi", "ADI" }, { "/logs/a.adif", "ADI" }, { "/logs/adx", "ADI" },
             { "/logs/a.xadx", "ADI" }, { "/logs/a.adx.bak", "ADI" }, { "", "ADI" }, { ".adx", "ADX" },
             { "adx", "ADI" } }) {
        const LogFormat &format = formatForSavePath(c.path);
        EXPECT_EQ(format.name, c.format) << c.path;
        EXPECT_NE(format.writer, nullptr) << c.path;
    }
}

TEST(FormatRegistry, EveryTypeOfTheFileTypeTestFindsItsReaderOrNone)
{
    EXPECT_NE(readerFor(LogFileType::TypeAdif), nullptr);
    EXPECT_NE(readerFor(LogFileType::TypeAdx), nullptr);
    EXPECT_NE(readerFor(LogFileType::TypeAdif), readerFor(LogFileType::TypeAdx));
    EXPECT_EQ(readerFor(LogFileType::TypeMissing), nullptr);
    // Text no other reader takes is cut into characters, as tab-separated text is.
    EXPECT_EQ(readerFor(LogFileType::TypeUnrecognised), &textGridReader());
    EXPECT_EQ(readerFor(LogFileType::TypeTabSeparated), &textGridReader());
}

TEST(FormatRegistry, DialogFiltersListTheRegisteredFormats)
{
    EXPECT_EQ(openDialogFilter(), "ADIF files (*.adi, *adif)|*.adi*|All Log files (*.*)|*.*|");
    EXPECT_EQ(saveDialogFilter(),
        "ADIF files (*.adi, *adif)|*.adi*|ADX files (*.adx)|*.adx|All Log files (*.*)|*.*|");
    const std::string import = importDialogFilter();
    EXPECT_EQ(import.rfind("All Log files (*.*)|*.*|", 0), 0u) << import;
    EXPECT_NE(import.find("ADX files (*.adx)|*adx|"), std::string::npos) << import;
    EXPECT_EQ(import.find("ADIF"), std::string::npos) << import;
}

TEST(FormatRegistry, ClassifyingRefusesInTheEditorsWords)
{
    const auto folder = freshFolder("registry-classify");
    writeFile(folder / "notes.txt", "nothing but words\n");
    writeFile(folder / "log.xml",
        "<?xml version=\"1.0\"?>\r\n<ADX><RECORDS><RECORD><CALL>DL1ABC</CALL></RECORD>"
        "</RECORDS></ADX>\r\n");
    struct Case {
        std::string path;
        LogFileType type;
        bool read;
        const char *refusal;
    };
    for (const Case &c : {
             Case { (folder / "missing.adi").string(), LogFileType::TypeMissing, false,
                 "The selected file does not exist." },
             Case { folder.string(), LogFileType::TypeUnrecognised, false, "Can't open selected file." },
             Case { (folder / "notes.txt").string(), LogFileType::TypeUnrecognised, true, "" },
             Case { (folder / "log.xml").string(), LogFileType::TypeAdx, true, "" },
             Case { dataFile("core/utf16be_bom.adi"), LogFileType::TypeAdif, true, "" },
         }) {
        const ClassifiedLog log = classifyLog(c.path);
        EXPECT_EQ(log.type, c.type) << c.path;
        EXPECT_EQ(log.reader != nullptr, c.read) << c.path;
        EXPECT_EQ(log.refusal, c.refusal) << c.path;
    }
}
