// SPDX-License-Identifier: GPL-3.0-or-later
// What every registered format must do, whatever its layout: give back what it wrote, refuse input
// without records, leave the table alone when it fails, and stop when asked.
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

const std::vector<std::string> fields = { "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "FREQ", "COMMENT" };

LogTable sampleLog()
{
    return logOf(fields,
        {
            { "DL1ABC", "20240101", "1200", "20M", "CW", "14.025", "first" },
            { "K1XYZ", "20240102", "0830", "40M", "SSB", "7.150", "second, with a comma" },
            { "JA1AA", "20240103", "2359", "20M", "FT8", "14.074", "" },
            { "VK2BB", "20240104", "0000", "40M", "CW", "7.010", "fourth" },
            { "ZS6CC", "20240105", "1530", "20M", "SSB", "14.200", "last" },
        });
}

SaveOptions unchecked()
{
    SaveOptions options;
    options.noChecks = true;
    return options;
}

// A table that is not what any read makes, to see whether a failed read touched it.
LogTable untouchedLog()
{
    return logOf({ "OPEN" }, { { "log" }, { "kept" } });
}

class FormatConformance : public testing::TestWithParam<LogFormat>
{
protected:
    // The format's own file of the sample log: written by its writer, or its sample in the test data.
    std::string sampleFile()
    {
        const LogFormat &format = GetParam();
        if (format.writer == nullptr)
            return dataFile("conformance/sample." + std::string(format.extension));
        const fs::path path = freshFolder("conformance-" + std::string(format.name))
            / ("sample." + std::string(format.extension));
        RunningFlag progress;
        const SaveResult saved = format.writer->write(path.string(), sampleLog(), unchecked(), {}, progress);
        EXPECT_TRUE(saved.ok) << saved.message;
        EXPECT_EQ(saved.written, 5);
        return path.string();
    }

    ReadResult readBytes(std::string_view bytes, LogTable &table, Progress &progress)
    {
        return GetParam().reader->read(bufferOf(bytes), table, {}, progress);
    }

    // What a read of the sample must give: the sample log for a format that writes it; for one that only
    // reads, whose columns follow its own layout, the table its own whole read makes.
    std::vector<std::vector<std::string>> expectedSample()
    {
        if (GetParam().writer != nullptr)
            return snapshot(sampleLog());
        LogTable table;
        RunningFlag progress;
        EXPECT_TRUE(readBytes(fileContents(sampleFile()), table, progress).ok);
        table.addRowNumbers();
        return snapshot(table);
    }

    // Readers that take any lines of text as records (CSV, the character grid) refuse only input
    // without lines.
    bool readsAnyText() const
    {
        return GetParam().type == LogFileType::TypeCsv || GetParam().type == LogFileType::TypeTabSeparated;
    }
};

std::string nameOf(const testing::TestParamInfo<LogFormat> &info)
{
    return std::string(info.param.name);
}

} // namespace

namespace quillog
{
void PrintTo(const LogFormat &format, std::ostream *out)
{
    *out << format.name;
}
} // namespace quillog

TEST_P(FormatConformance, ReadsBackWhatItWroteAndIsRecognisedByContent)
{
    const LogFormat &format = GetParam();
    if (format.reader == nullptr)
        GTEST_SKIP() << "written only";
    const std::string path = sampleFile();
    const ClassifiedLog classified = classifyLog(path);
    ASSERT_EQ(classified.type, format.type);
    ASSERT_EQ(classified.reader, format.reader);

    LogTable table;
    RunningFlag progress;
    const ReadResult result = format.reader->readFile(path, classified.wideSource, table, {}, progress);
    ASSERT_TRUE(result.ok) << result.message << " " << result.detail;
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.records, 5);
    EXPECT_EQ(result.recordsRead, 5);
    table.addRowNumbers();
    if (format.writer != nullptr) {
        EXPECT_EQ(snapshot(table), snapshot(sampleLog()));
    }
}

TEST_P(FormatConformance, InputWithoutRecordsFailsWithTheFormatsWordsAndLeavesTheTable)
{
    const LogFormat &format = GetParam();
    if (format.reader == nullptr)
        GTEST_SKIP() << "written only";
    for (const std::string_view input : { std::string_view(), std::string_view("\r\n\r\n"),
             std::string_view("just some words, no log at all\n"),
             std::string_view("\0\x01\xff\xfe binary", 11) }) {
        if (readsAnyText() && input.size() > 4)
            continue;
        LogTable table = untouchedLog();
        RunningFlag progress;
        const ReadResult result = readBytes(input, table, progress);
        EXPECT_FALSE(result.ok) << testing::PrintToString(input);
        EXPECT_EQ(result.message, format.reader->failureText());
        EXPECT_EQ(snapshot(table), snapshot(untouchedLog()));
    }
    const fs::path empty = freshFolder("conformance-empty") / ("empty." + std::string(format.extension));
    writeFile(empty, "");
    LogTable table = untouchedLog();
    RunningFlag progress;
    const ReadResult result = format.reader->readFile(empty.string(), false, table, {}, progress);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, format.reader->failureText());
    EXPECT_NE(result.detail.find("empty"), std::string::npos) << result.detail;
    EXPECT_EQ(snapshot(table), snapshot(untouchedLog()));
}

// Whenever the operator stops, the read either fails and leaves the table as it was, or keeps the rows
// it filled, each as in the file, and says how many.
TEST_P(FormatConformance, StopEitherLeavesTheTableOrKeepsTheRowsReadSoFar)
{
    const LogFormat &format = GetParam();
    if (format.reader == nullptr)
        GTEST_SKIP() << "written only";
    const std::string bytes = fileContents(sampleFile());
    const auto expected = expectedSample();
    bool stoppedWhileFilling = false;
    for (int questions = 0; questions < 40; ++questions) {
        LogTable table = untouchedLog();
        StopAfter progress(questions);
        const ReadResult result = readBytes(bytes, table, progress);
        if (!result.ok) {
            EXPECT_EQ(snapshot(table), snapshot(untouchedLog())) << questions;
            EXPECT_TRUE(result.stopped) << questions;
            continue;
        }
        EXPECT_EQ(result.stopped, result.recordsRead < result.records) << questions;
        stoppedWhileFilling |= result.stopped;
        table.addRowNumbers();
        const auto cells = snapshot(table);
        // Exactly the rows read: no empty rows for records a stop kept from being read.
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(result.recordsRead) + 1) << questions;
        for (int row = 0; row <= result.recordsRead; ++row)
            EXPECT_EQ(cells[static_cast<std::size_t>(row)], expected[static_cast<std::size_t>(row)])
                << questions;
    }
    EXPECT_TRUE(stoppedWhileFilling);
}

TEST_P(FormatConformance, StoppedOrFailedSaveLeavesThePreviousFile)
{
    const LogFormat &format = GetParam();
    if (format.writer == nullptr)
        GTEST_SKIP() << "read only";
    const fs::path path = freshFolder("conformance-stop") / ("log." + std::string(format.extension));
    writeFile(path, "the previous file");
    StopAfter stop(0);
    const SaveResult stopped = format.writer->write(path.string(), sampleLog(), unchecked(), {}, stop);
    EXPECT_FALSE(stopped.ok);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(fileContents(path), "the previous file");

    RunningFlag progress;
    const SaveResult failed = format.writer->write(
        (path / "no-such-folder" / "x").string(), sampleLog(), unchecked(), {}, progress);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.message.empty());
    EXPECT_EQ(fileContents(path), "the previous file");
}

INSTANTIATE_TEST_SUITE_P(EveryRegisteredFormat, FormatConformance,
    testing::ValuesIn(logFormats().begin(), logFormats().end()), nameOf);
