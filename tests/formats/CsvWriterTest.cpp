// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CsvWriter.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "formats/CsvReader.h"
#include "formats/LogSaver.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

TEST(CsvWriter, QuotesEveryFieldAndDoublesQuotes)
{
    struct Case {
        const char *cell, *expected;
    };
    for (const Case c : {
             Case { "abc", "\"abc\"" },
             { "", "\"\"" },
             { "a\"b", "\"a\"\"b\"" },
             { "\"", "\"\"\"\"" },
             { "a,b;c", "\"a,b;c\"" },
             { "x\r\ny", "\"x\r\ny\"" },
         }) {
        std::string out;
        appendCsvField(out, c.cell);
        EXPECT_EQ(out, c.expected) << c.cell;
    }
}

TEST(CsvWriter, WritesHeaderAndRowsWithoutTheRowNumbers)
{
    struct Case {
        CsvWriteOptions options;
        const char *expected;
    };
    const LogTable table = logOf({ "CALL", "QSO_DATE" }, { { "K1AB", "20240101" }, { "K2CD", "" } });
    const auto folder = freshFolder("csv-writer");
    for (const Case &c : {
             Case { { ',', false }, "\"CALL\",\"QSO_DATE\"\r\n\"K1AB\",\"20240101\"\r\n\"K2CD\",\"\"\r\n" },
             { { ';', false }, "\"CALL\";\"QSO_DATE\"\r\n\"K1AB\";\"20240101\"\r\n\"K2CD\";\"\"\r\n" },
             { { '\t', false }, "\"CALL\";\"QSO_DATE\"\r\n\"K1AB\";\"20240101\"\r\n\"K2CD\";\"\"\r\n" },
             { { ',', true },
                 "\"CALL\",\"QSO_DATE\"\r\n\r\n\"K1AB\",\"20240101\"\r\n\r\n\"K2CD\",\"\"\r\n\r\n" },
         }) {
        const auto path = folder / "log.csv";
        RunningFlag running;
        const SaveResult result = writeCsvFile(path.string(), table, c.options, running);
        EXPECT_TRUE(result.ok) << result.message;
        EXPECT_EQ(fileContents(path), c.expected);
    }
    std::filesystem::remove_all(folder);
}

TEST(CsvWriter, EveryCellComesBackFromTheReader)
{
    const LogTable table = logOf({ "CALL", "COMMENT", "NOTES" },
        { { "K1AB", "said \"hi\"", "a,b;c" }, { "K2CD", "two\r\nlines", "lf\nonly" },
            { "\"", "", " pad " } });
    const auto folder = freshFolder("csv-round-trip");
    for (const char separator : { ',', ';' }) {
        const auto path = (folder / "log.csv").string();
        RunningFlag running;
        ASSERT_TRUE(writeCsvFile(path, table, { separator, false }, running).ok);
        LogTable read;
        ASSERT_TRUE(readCsv(fileContents(path), read, running).ok) << separator;
        auto expected = snapshot(table);
        for (auto &row : expected)
            row.erase(row.begin()); // the "#" column is not written
        EXPECT_EQ(snapshot(read), expected) << separator;
    }
    std::filesystem::remove_all(folder);
}

TEST(CsvWriter, StopOrAnUnwritableTargetLeavesTheFileAsItWas)
{
    const LogTable table = logOf({ "CALL" }, { { "K1AB" }, { "K2CD" } });
    const auto folder = freshFolder("csv-stop");
    const auto path = folder / "log.csv";
    writeFile(path, "previous");

    StopAfter stop(1);
    const SaveResult stopped = writeCsvFile(path.string(), table, {}, stop);
    EXPECT_FALSE(stopped.ok);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_EQ(fileContents(path), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no file left behind";

    RunningFlag running;
    const SaveResult missing
        = writeCsvFile((folder / "no-such-folder" / "log.csv").string(), table, {}, running);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, fileInUseMessage);
    std::filesystem::remove_all(folder);
}
