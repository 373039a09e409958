// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiWriter.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "WriterFixture.h"
#include "formats/AdiReader.h"
#include "formats/RecordNormalisation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

SaveDefinitions definitions()
{
    SaveDefinitions d = writerDefinitions();
    d.modes.push_back("AM");
    d.bands.push_back("2m");
    return d;
}

Saved save(const LogTable &table, const SaveOptions &options = {}, const SaveDefinitions &d = definitions())
{
    return saveWith("adi", table, options, d);
}

const std::string header
    = "File generated on 08 Dec, 2024 at 12:05\r\n"
      "ADIF Export from Quillog v[3.7]\r\n"
      "Written by Quillog, the ADIF log editor for radio amateurs\r\n"
      "Quillog is free software under the GNU General Public License, version 3 or later\r\n"
      "<ADIF_VER:5>3.1.6\r\n"
      "<PROGRAMID:7>Quillog\r\n"
      "<PROGRAMVERSION:3>3.7\r\n"
      "<EOH>\r\n"
      "\r\n";

} // namespace

TEST(AdiWriter, WritesTheFileByteForByte)
{
    const Saved saved = save(untidyQsos());
    EXPECT_TRUE(saved.result.ok);
    EXPECT_EQ(saved.file,
        header
            + "<CALL:4>AB1C <QSO_DATE:8>20240301 <TIME_ON:4>1234 <BAND:3>20m <FREQ:6>14.074 <MODE:3>FT8 "
              "<EOR>\r\n"
              "<CALL:5>K1ABC <QSO_DATE:8>20240302 <TIME_ON:4>0100 <BAND:3>40M <FREQ:6>7.0305 <MODE:2>cw "
              "<EOR>\r\n");
    EXPECT_EQ(saved.result.written, 2);
    EXPECT_TRUE(saved.result.errors.empty());
    EXPECT_TRUE(saved.result.reportPath.empty());
}

TEST(AdiWriter, OptionsShapeTagsAndLines)
{
    const LogTable table
        = logOf({ "CALL", "QSO_DATE", "MODE", "FREQ" }, { { "AB1C", "20240301", "CW", "14.074" } });
    SaveOptions options;
    options.lowerCase = true;
    options.typeIndicator = true;
    options.commaFrequency = true;
    options.separateQsos = true;
    const Saved saved = save(table, options);
    EXPECT_NE(saved.file.find(
                  "<adif_ver:5>3.1.6\r\n<programid:7>Quillog\r\n<programversion:3>3.7\r\n<eoh>\r\n\r\n"),
        std::string::npos);
    EXPECT_NE(
        saved.file.find("<call:4:s>AB1C <qso_date:8:d>20240301 <mode:2>CW <freq:6:n>14,074 <eor>\r\n\r\n"),
        std::string::npos);
}

TEST(AdiWriter, NormalisesFrequenciesAndDates)
{
    struct Case {
        const char *value, *expected;
        bool warns;
    };
    for (const Case c :
        { Case { "144", "144.000", true }, { "7,07", "7.070", false }, { "14.07456", "14.07456", false },
            { "14.074000", "14.074", false }, { "0.1357", "0.1357", false }, { "abc", "abc", false },
            { "  3.5 MHz", "3.500", false }, { "014.074", "14.074", false }, { "14.0740", "14.074", false },
            { "1234567890.125", "1234567890.125", false }, { "7.0001234", "7.000123", false },
            { "0.100", "0.100", false }, { "10.", "10.000", false } }) {
        const NormalisedFrequency f = normaliseFrequency(c.value, false);
        EXPECT_EQ(f.value, c.expected) << c.value;
        EXPECT_EQ(f.withoutSeparator, c.warns) << c.value;
    }
    EXPECT_EQ(normaliseFrequency("14.074", true).value, "14,074");
    EXPECT_EQ(normaliseQsoDate("2024-03-01"), "20240301");
    EXPECT_EQ(normaliseQsoDate("24-1-1"), "2411");
}

TEST(AdiWriter, RejectsRecordsByTheFirstFailedCheck)
{
    struct Case {
        std::vector<std::string> row;
        const char *heading;
    };
    // CALL, QSO_DATE, TIME_ON, BAND, FREQ, MODE
    for (const Case &c : {
             Case { { "AB", "20240301", "1234", "20m", "14.074", "CW" }, "Invalid 'CALL' value:\r\n" },
             Case { { "AB", "2024", "", "", "", "" }, "Invalid 'CALL' value:\r\n" },
             Case { { "AB1C", "24-1-1", "1234", "20m", "14.074", "CW" }, "Invalid 'QSO_DATE' value:\r\n" },
             Case { { "AB1C", "20240301", "1234", "20m", "14.074", "C" }, "Invalid 'MODE' value:\r\n" },
             Case { { "AB1C", "20240301", "1234", "20m", "14.074", "RTTYX" }, "Invalid 'MODE' value:\r\n" },
             Case { { "AB1C", "20240301", "9:30", "20m", "14.074", "CW" }, "Invalid 'TIME_ON' value:\r\n" },
             Case { { "AB1C", "20240301", "1234", "", "14.074", "CW" }, "Invalid 'BAND' value:\r\n" },
             Case { { "AB1C", "20240301", "1234", "80m", "3.5", "CW" }, "Invalid 'BAND' value:\r\n" },
         }) {
        const Saved saved = save(logOf(writerFields, { c.row }));
        ASSERT_EQ(saved.result.errors.size(), 1u) << c.heading;
        EXPECT_EQ(saved.result.errors[0].substr(0, std::string(c.heading).size()), c.heading);
        EXPECT_EQ(saved.result.written, 0);
        EXPECT_EQ(saved.file, header) << "the record is left out";
    }
}

TEST(AdiWriter, TimeAndFrequencyChecksDependOnTheColumns)
{
    // Neither time column: times are not checked.
    const Saved noTimes = save(logOf({ "CALL", "QSO_DATE", "MODE" }, { { "AB1C", "20240301", "CW" } }));
    EXPECT_EQ(noTimes.result.written, 1);
    // Only TIME_OFF: reported as TIME_OFF; a valid TIME_OFF rescues a bad TIME_ON.
    const Saved timeOff
        = save(logOf({ "CALL", "QSO_DATE", "MODE", "TIME_OFF" }, { { "AB1C", "20240301", "CW", "x" } }));
    ASSERT_EQ(timeOff.result.errors.size(), 1u);
    EXPECT_EQ(timeOff.result.errors[0].rfind("Invalid 'TIME_OFF' value:\r\n", 0), 0u);
    const Saved rescued = save(logOf({ "CALL", "QSO_DATE", "MODE", "TIME_ON", "TIME_OFF" },
        { { "AB1C", "20240301", "CW", "9:30", "0930" } }));
    EXPECT_EQ(rescued.result.written, 1);
    // A FREQ column but no BAND column: an empty FREQ passes only with another FREQ... or BAND... field.
    const Saved frequency = save(logOf({ "CALL", "QSO_DATE", "MODE", "FREQ", "FREQ_RX" },
        { { "AB1C", "20240301", "CW", "", "" }, { "AB1C", "20240301", "CW", "", "7.1" } }));
    EXPECT_EQ(frequency.result.written, 1);
    ASSERT_EQ(frequency.result.errors.size(), 1u);
    EXPECT_EQ(frequency.result.errors[0],
        "Invalid 'FREQ' value:\r\n<CALL:4>AB1C <QSO_DATE:8>20240301 <MODE:2>CW <EOR>");
}

TEST(AdiWriter, WritesTheReportBesideTheFile)
{
    const LogTable table = logOf(writerFields,
        { { "AB1C", "20240301", "1234", "20m", "144", "CW" },
            { "X", "20240301", "1234", "20m", "14.0", "CW" },
            { "AB1C", "2024", "1234", "20m", "14.0", "CW" } });
    const Saved saved = save(table);
    EXPECT_EQ(saved.result.written, 1);
    EXPECT_EQ(saved.report,
        "Invalid 'CALL' value:\r\n<CALL:1>X <QSO_DATE:8>20240301 <TIME_ON:4>1234 <BAND:3>20m <FREQ:6>14.000 "
        "<MODE:2>CW "
        "<EOR>\r\n"
        "Invalid 'QSO_DATE' value:\r\n<CALL:4>AB1C <QSO_DATE:4>2024 <TIME_ON:4>1234 <BAND:3>20m "
        "<FREQ:6>14.000 "
        "<MODE:2>CW <EOR>\r\n");
    EXPECT_EQ(saveReportQuestion(saved.result, true),
        "Saved ADIF entries: 1\t\nErrors: 2\t\t\t\r\n\r\nWarning: Some FREQ entries contain no comma and may "
        "be not in "
        "KHz format.\n\nDo you want to see the log?");
    EXPECT_EQ(saveReportQuestion(saved.result, false),
        "Saved ADIF entries: 1\t\nErrors: 2\t\t\t\n\nDo you want to see the log?");
}

TEST(AdiWriter, WritesEverythingWithoutChecks)
{
    SaveOptions options;
    options.noChecks = true;
    const Saved saved = save(logOf({ "NAME", "NOTES" }, { { "Bob", "" }, { "", "" } }), options);
    EXPECT_EQ(saved.file, header + "<NAME:3>Bob <EOR>\r\n");
    EXPECT_EQ(saved.result.written, 1) << "an empty row is neither saved nor an error";
    EXPECT_TRUE(saved.result.errors.empty());
}

TEST(AdiWriter, WritesOnlyTheFirstOfEqualColumnsAndSkipsUnnamedOnes)
{
    SaveOptions options;
    options.noChecks = true;
    const Saved saved
        = save(logOf({ "CALL", "", " call ", "BAND" }, { { "AB1C", "lost", "K1AB", "20m" } }), options);
    EXPECT_EQ(saved.file, header + "<CALL:4>AB1C <BAND:3>20m <EOR>\r\n");
}

TEST(AdiWriter, SavesOnlyTheSelectedRowsOnRequest)
{
    LogTable table = logOf({ "CALL" }, { { "A1A" }, { "B1B" }, { "C1C" }, { "D1D" } });
    table.setSelection({ { 1, 1, 1, 1 }, { 3, 0, 3, 1 } });
    SaveOptions options;
    options.noChecks = true;
    options.selectionOnly = true;
    EXPECT_EQ(save(table, options).file, header + "<CALL:3>A1A <EOR>\r\n<CALL:3>C1C <EOR>\r\n");
    options.selectionOnly = false;
    EXPECT_EQ(save(table, options).result.written, 4);
}

// The safety of the save holds for both tagged writers.
TEST_P(TaggedWriter, AFailedOrStoppedSaveLeavesThePreviousFile)
{
    const fs::path folder = freshFolder("writer-safe");
    const std::string path = (folder / (std::string("log.") + GetParam())).string();
    const LogWriter &writer = *formatForSavePath(path).writer;
    writeFile(path, "previous");
    const LogTable table = logOf({ "CALL" }, { { "A1A" }, { "B1B" } });

    StopAfter stop(1);
    const SaveResult stopped = writer.write(path, table, {}, definitions(), stop);
    EXPECT_FALSE(stopped.ok);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(fileContents(path), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no stray file";

    RunningFlag running;
    const SaveResult unwritable
        = writer.write((folder / "missing" / "log.adi").string(), table, {}, definitions(), running);
    EXPECT_FALSE(unwritable.ok);
    EXPECT_EQ(unwritable.message, std::string(fileInUseMessage) + "\nThe folder does not exist.");
}

TEST(AdiWriter, ASaveWhoseReportCannotBeWrittenChangesNothing)
{
    // Saving a log over itself: the rejected QSOs would exist nowhere if the file were replaced.
    const fs::path folder = freshFolder("writer-report");
    const std::string path = (folder / "log.adi").string();
    writeFile(path, "previous");
    fs::create_directories(path + ".log");
    const LogTable table = logOf(writerFields,
        { { "AB1C", "20240301", "1234", "20m", "14.0", "CW" },
            { "X", "20240301", "1234", "20m", "14.0", "CW" } });
    RunningFlag running;
    const SaveResult saved = writeAdiFile(path, table, {}, definitions(), running);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message,
        "The rejected QSOs cannot be listed in " + path
            + ".log.\nThe path names a folder, not a file.\nThe log was not saved, so that they are not "
              "lost.");
    EXPECT_EQ(fileContents(path), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2) << "no stray file";
}

TEST(AdiWriter, DoesNotReplaceAFileChangedSinceItWasRead)
{
    const fs::path folder = freshFolder("writer-changed");
    const std::string path = (folder / "live.adi").string();
    writeFile(path, "<CALL:4>AB1C <EOR>\n");
    SaveOptions options;
    options.noChecks = true;
    options.unchangedSince = fileStamp(path);
    writeFile(path, "<CALL:4>AB1C <EOR>\n<CALL:4>K1AB <EOR>\n");
    RunningFlag running;
    const SaveResult saved
        = writeAdiFile(path, logOf({ "CALL" }, { { "AB1C" } }), options, definitions(), running);
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(
        saved.message, std::string(fileInUseMessage) + "\nThe file has changed on disk since it was read.");
    EXPECT_EQ(fileContents(path), "<CALL:4>AB1C <EOR>\n<CALL:4>K1AB <EOR>\n");
}

TEST_P(TaggedWriter, KeepsThePermissionsOfTheFileItReplaces)
{
    const fs::path folder = freshFolder("writer-mode");
    const std::string path = (folder / (std::string("log.") + GetParam())).string();
    writeFile(path, "previous");
    ::chmod(path.c_str(), 0640);
    RunningFlag running;
    SaveOptions options;
    options.noChecks = true;
    ASSERT_TRUE(formatForSavePath(path)
                    .writer->write(path, logOf({ "CALL" }, { { "A1A" } }), options, definitions(), running)
                    .ok);
    struct stat info {
    };
    ::stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

INSTANTIATE_TEST_SUITE_P(AdiAndAdx, TaggedWriter, testing::Values("adi", "adx"));
