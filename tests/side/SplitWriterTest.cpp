// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/SplitWriter.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/FileIo.h"
#include "formats/AdiReader.h"
#include "formats/AdxReader.h"
#include "formats/LogSaver.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

SaveDefinitions checkedAgainst()
{
    SaveDefinitions definitions;
    definitions.modes = { "CW", "SSB" };
    definitions.bands = { "20M", "40M" };
    definitions.now = 1700000000;
    return definitions;
}

// A log of n QSOs; the rows listed in badModes carry a mode the checks reject.
LogTable logOfQsos(int n, const std::vector<int> &badModes = {})
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= n; ++i) {
        const bool bad = std::find(badModes.begin(), badModes.end(), i) != badModes.end();
        rows.push_back({ "N" + std::to_string(i) + "AB", "20240301", "1200", "20M", bad ? "XX" : "CW" });
    }
    return logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE" }, rows);
}

std::vector<std::string> callsIn(const std::string &path)
{
    LogTable table;
    RunningFlag progress;
    const FileBytes bytes = readFileBytes(path);
    const std::string_view text(bytes.bytes.data(), bytes.bytes.size());
    const bool adx = text.find("<?xml") == 0;
    std::vector<std::string> calls;
    const ReadResult read = adx ? AdxReader().read(bufferOf(text), table, {}, progress)
                                : AdiReader().read(bufferOf(text), table, {}, progress);
    if (!read.ok)
        return calls;
    for (int row = 1; row < table.rowCount(); ++row)
        calls.push_back(cell(table, row, "CALL"));
    return calls;
}

std::vector<int> partSizes(const SplitResult &result)
{
    std::vector<int> sizes;
    for (const auto &part : result.parts)
        sizes.push_back(part.second);
    return sizes;
}

} // namespace

TEST(SplitTarget, TakesBaseAndExtensionFromTheFileNameOnly)
{
    const struct {
        const char *path, *firstPart;
    } cases[] = {
        { "/logs/log.adi", "/logs/log.part1.adi" },
        { "/home/op/.local/share/log", "/home/op/.local/share/log.part1.adi" },
        { "/home/op/.local/share/log.adx", "/home/op/.local/share/log.part1.adx" },
        { "/logs/my.log.ADIF", "/logs/my.log.part1.ADIF" },
        { "/logs/.hidden", "/logs/.hidden.part1.adi" },
        { "plain", "plain.part1.adi" },
    };
    for (const auto &c : cases)
        EXPECT_EQ(splitPartPath(splitTarget(c.path), 1), c.firstPart) << c.path;
    EXPECT_EQ(splitPartPath(splitTarget("/x/log.adi"), 12), "/x/log.part12.adi");
}

TEST(SplitWriter, PartsHoldTheCountOfWrittenRecordsAndNoEmptyPartFollows)
{
    const struct {
        int qsos, count;
        std::vector<int> rejected;
        std::vector<int> sizes;
    } cases[] = {
        { 10, 4, {}, { 4, 4, 2 } },
        { 10, 5, {}, { 5, 5 } },
        { 10, 10, {}, { 10 } },
        { 3, 0, {}, { 1, 1, 1 } },
        // rejected records do not count towards a part, and no part is left holding only its header
        { 10, 4, { 2, 9, 10 }, { 4, 3 } },
        { 10, 5, { 6, 7, 8, 9, 10 }, { 5 } },
        { 2, 1, { 1, 2 }, { 0 } },
    };
    for (const auto &c : cases) {
        const fs::path folder = freshFolder("split-sizes");
        const LogTable table = logOfQsos(c.qsos, c.rejected);
        RunningFlag progress;
        const std::string target = (folder / "log.adi").string();
        EXPECT_EQ(splitPartCount(table, c.count, {}, checkedAgainst()), static_cast<int>(c.sizes.size()));
        const SplitResult result = writeSplit(table, c.count, target, {}, checkedAgainst(), progress);
        EXPECT_TRUE(result.save.ok) << result.save.message;
        EXPECT_EQ(partSizes(result), c.sizes) << c.qsos << " by " << c.count;
        EXPECT_EQ(result.save.errors.size(), c.rejected.size());
        int total = 0;
        for (std::size_t i = 0; i < c.sizes.size(); ++i) {
            const std::string part = splitPartPath(splitTarget(target), static_cast<int>(i) + 1);
            total += static_cast<int>(callsIn(part).size());
            EXPECT_EQ(result.parts[i].first, part);
        }
        EXPECT_EQ(total, c.qsos - static_cast<int>(c.rejected.size()));
        EXPECT_FALSE(fs::exists(splitPartPath(splitTarget(target), static_cast<int>(c.sizes.size()) + 1)));
        EXPECT_FALSE(fs::exists(target)) << "the chosen name itself is never written";
        EXPECT_EQ(fs::exists(target + ".log"), !c.rejected.empty());
    }
}

TEST(SplitWriter, KeepsTheOrderAndOneHeaderStampInEveryPart)
{
    const fs::path folder = freshFolder("split-order");
    RunningFlag progress;
    const std::string target = (folder / "log.adi").string();
    writeSplit(logOfQsos(5), 2, target, {}, checkedAgainst(), progress);
    EXPECT_EQ(callsIn((folder / "log.part1.adi").string()), (std::vector<std::string> { "N1AB", "N2AB" }));
    EXPECT_EQ(callsIn((folder / "log.part3.adi").string()), (std::vector<std::string> { "N5AB" }));
    const std::string first = fileContents(folder / "log.part1.adi");
    const std::string third = fileContents(folder / "log.part3.adi");
    EXPECT_EQ(first.substr(0, first.find("<EOH>")), third.substr(0, third.find("<EOH>")));
}

TEST(SplitWriter, ReportCoversTheRejectedRecordsOfAllParts)
{
    const fs::path folder = freshFolder("split-report");
    RunningFlag progress;
    const std::string target = (folder / "log.adi").string();
    const SplitResult result
        = writeSplit(logOfQsos(10, { 1, 10 }), 3, target, {}, checkedAgainst(), progress);
    EXPECT_EQ(result.save.written, 8);
    EXPECT_EQ(result.save.reportPath, target + ".log");
    const std::string report = fileContents(target + ".log");
    EXPECT_NE(report.find("N1AB"), std::string::npos);
    EXPECT_NE(report.find("N10AB"), std::string::npos);
}

TEST(SplitWriter, AnAdxTargetGetsAdxParts)
{
    const fs::path folder = freshFolder("split-adx");
    RunningFlag progress;
    const std::string target = (folder / "log.adx").string();
    const SplitResult result = writeSplit(logOfQsos(3), 2, target, {}, checkedAgainst(), progress);
    ASSERT_TRUE(result.save.ok);
    const std::string part = fileContents(folder / "log.part1.adx");
    EXPECT_EQ(part.rfind("<?xml", 0), 0u);
    EXPECT_NE(part.find("</ADX>"), std::string::npos);
    EXPECT_EQ(callsIn((folder / "log.part2.adx").string()), (std::vector<std::string> { "N3AB" }));
}

TEST(SplitWriter, AdxPartsCountTheCharactersXmlCannotCarry)
{
    const fs::path folder = freshFolder("split-adx-dropped");
    RunningFlag progress;
    const LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "COMMENT" },
        { { "N1AB", "20240301", "1200", "20M", "CW", "bell\x07" },
            { "N2AB", "20240301", "1200", "20M", "CW", "\x01two\x02" } });
    const struct {
        const char *target;
        std::size_t dropped;
    } cases[] = { { "log.adx", 3 }, { "log.adi", 0 } };
    for (const auto &c : cases) {
        const SplitResult result
            = writeSplit(table, 1, (folder / c.target).string(), {}, checkedAgainst(), progress);
        EXPECT_TRUE(result.save.ok) << c.target;
        EXPECT_EQ(result.save.droppedCharacters, c.dropped) << c.target;
    }
}

TEST(SplitWriter, APartThatCannotBeWrittenIsNamedAndTheEarlierPartsStay)
{
    const fs::path folder = freshFolder("split-blocked");
    RunningFlag progress;
    // a folder in the place of the second part: its new file cannot be renamed there
    fs::create_directories(folder / "log.part2.adi" / "inside");
    const std::string target = (folder / "log.adi").string();
    const SplitResult result = writeSplit(logOfQsos(6, { 1 }), 2, target, {}, checkedAgainst(), progress);
    EXPECT_FALSE(result.save.ok);
    EXPECT_NE(result.save.message.find((folder / "log.part2.adi").string()), std::string::npos);
    EXPECT_EQ(partSizes(result), (std::vector<int> { 2 }));
    EXPECT_EQ(callsIn((folder / "log.part1.adi").string()).size(), 2u);
    EXPECT_EQ(result.save.reportPath, target + ".log") << "the report is still written";

    const std::string missing = (folder / "missing" / "log.adi").string();
    const SplitResult none = writeSplit(logOfQsos(2), 1, missing, {}, checkedAgainst(), progress);
    EXPECT_FALSE(none.save.ok);
    EXPECT_EQ(none.save.message.rfind(fileInUseMessage, 0), 0u);
    EXPECT_NE(none.save.message.find((folder / "missing" / "log.part1.adi").string()), std::string::npos);
    EXPECT_TRUE(none.parts.empty());

    // the parts are complete, but the rejected records have no report: the split says so
    fs::create_directories(folder / "other.adi.log" / "inside");
    const SplitResult unreported
        = writeSplit(logOfQsos(4, { 2 }), 2, (folder / "other.adi").string(), {}, checkedAgainst(), progress);
    EXPECT_FALSE(unreported.save.ok);
    EXPECT_NE(unreported.save.message.find("The rejected QSOs cannot be listed in"), std::string::npos);
    EXPECT_EQ(partSizes(unreported), (std::vector<int> { 2, 1 }));
}

TEST(SplitWriter, StopKeepsTheFinishedPartsAndDropsTheUnfinishedOne)
{
    // The rows go in blocks, and a stop comes between two: the log must span several blocks.
    const fs::path folder = freshFolder("split-stop");
    writeFile(folder / "log.part30.adi", "an earlier part\n");
    StopAfter progress(2); // the first block, then the stop
    const SplitResult result
        = writeSplit(logOfQsos(30000), 1000, (folder / "log.adi").string(), {}, checkedAgainst(), progress);
    EXPECT_TRUE(result.save.stopped);
    EXPECT_FALSE(result.save.ok);
    ASSERT_FALSE(result.parts.empty());
    ASSERT_LT(result.parts.size(), 30u);
    for (const auto &[path, records] : result.parts)
        EXPECT_EQ(records, 1000) << path;
    const int unfinished = static_cast<int>(result.parts.size()) + 1;
    EXPECT_FALSE(fs::exists(splitPartPath(splitTarget((folder / "log.adi").string()), unfinished)));
    EXPECT_EQ(fileContents(folder / "log.part30.adi"), "an earlier part\n");
}

TEST(SplitParts, FindsTheFirstExistingPartOfThoseToBeWritten)
{
    const fs::path folder = freshFolder("split-existing");
    const SplitTarget target = splitTarget((folder / "log.adi").string());
    EXPECT_EQ(firstExistingPart(target, 3), std::nullopt);
    writeFile(folder / "log.part3.adi", "x");
    writeFile(folder / "log.adi", "the chosen name is not a part");
    EXPECT_EQ(firstExistingPart(target, 2), std::nullopt);
    EXPECT_EQ(firstExistingPart(target, 3), (folder / "log.part3.adi").string());
    writeFile(folder / "log.part2.adi", "x");
    EXPECT_EQ(firstExistingPart(target, 3), (folder / "log.part2.adi").string());
}
