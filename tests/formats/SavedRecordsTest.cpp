// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SavedRecords.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "formats/AdiWriter.h"
#include "formats/AdxWriter.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

SaveDefinitions definitions()
{
    SaveDefinitions d;
    d.modes = { "CW", "SSB" };
    d.bands = { "20m", "40m" };
    d.now = 1733659500;
    return d;
}

// The mark of row i in its NAME field.
std::string rowMark(int i)
{
    return "R" + std::to_string(i) + "Z";
}

// A log of n QSOs in which every seventh has an unknown mode and every eleventh a call too short.
LogTable logWithScatteredFaults(int n)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= n; ++i) {
        rows.push_back({ i % 11 == 0 ? "K" : "N1AB", "20240301", "1200", i % 2 ? "20m" : "40m",
            i % 7 == 0 ? "XX" : "CW", rowMark(i) });
    }
    return logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "NAME" }, rows);
}

struct Walked {
    bool finished = false;
    std::string text;
    std::size_t records = 0;
    SaveResult result;
};

Walked walk(const LogTable &table, const SaveFormat &format, std::size_t rowsPerBlock, Progress &progress)
{
    Walked walked;
    walked.finished = walkSavedRecords(
        table, format, {}, definitions(), progress, walked.result,
        [&](const SavedBlock &block) {
            for (std::size_t i = 0; i < block.records(); ++i)
                walked.text += block.record(i);
            walked.records += block.records();
            return true;
        },
        rowsPerBlock);
    return walked;
}

} // namespace

TEST(SavedRecords, BlocksOfAnySizeGiveTheRecordsAndRejectionsOfOneBlockInRowOrder)
{
    constexpr int qsos = 3000;
    const LogTable table = logWithScatteredFaults(qsos);
    std::vector<int> rejectedRows;
    for (int i = 1; i <= qsos; ++i) {
        if (i % 7 == 0 || i % 11 == 0)
            rejectedRows.push_back(i);
    }
    const AdiFormat adi;
    const AdxFormat adx;
    for (const SaveFormat *format :
        { static_cast<const SaveFormat *>(&adi), static_cast<const SaveFormat *>(&adx) }) {
        RunningFlag progress;
        const Walked whole = walk(table, *format, qsos, progress);
        ASSERT_TRUE(whole.finished);
        EXPECT_EQ(whole.records, qsos - rejectedRows.size());
        ASSERT_EQ(whole.result.errors.size(), rejectedRows.size());
        for (std::size_t i = 0; i < rejectedRows.size(); ++i)
            EXPECT_NE(whole.result.errors[i].find(rowMark(rejectedRows[i])), std::string::npos) << i;
        for (const std::size_t rowsPerBlock : { 1, 7, 1000, 0 }) {
            const Walked blocks = walk(table, *format, rowsPerBlock, progress);
            EXPECT_TRUE(blocks.finished);
            EXPECT_EQ(blocks.text, whole.text) << rowsPerBlock;
            EXPECT_EQ(blocks.records, whole.records) << rowsPerBlock;
            EXPECT_EQ(blocks.result.errors, whole.result.errors) << rowsPerBlock;
        }
    }
}

TEST(SavedRecords, AStopBetweenBlocksLeavesThePreviousFileAndNoOther)
{
    const fs::path folder = freshFolder("saved-stop");
    const fs::path path = folder / "log.adi";
    writeFile(path, "the previous log");
    const LogTable table = logWithScatteredFaults(40000);
    StopAfter stop(
        3); // two blocks of at most 65536 cells, then the stop while the workers are at the next ones
    const SaveResult result = writeAdiFile(path.string(), table, {}, definitions(), stop);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(fileContents(path), "the previous log");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no stray file";
}
