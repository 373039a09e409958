// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/Statistics.h"

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdiReader.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace quillog;
using quillog::test::logOf;

namespace
{

// Band, QSOs and entities of each grid row, for comparing with a literal list.
struct Row {
    std::string band;
    int qsos, entities;
    friend bool operator==(const Row &, const Row &) = default;
};

std::vector<Row> gridOf(const LogStatistics &statistics)
{
    std::vector<Row> rows;
    for (const BandFigures &figures : statisticsGrid(statistics))
        rows.push_back({ figures.band, figures.qsos, figures.entities });
    return rows;
}

LogStatistics count(const LogTable &table)
{
    RunningFlag running;
    return countStatistics(table, running);
}

} // namespace

TEST(CountStatistics, CountsQsosCallsAndEntitiesPerBand)
{
    struct Case {
        const char *what;
        LogTable log;
        int qsos, calls;
        std::vector<Row> grid;
    };
    Case cases[] = {
        { "bands in plain character order, upper case",
            logOf({ "CALL", "BAND", "MODE", "DXCC" },
                { { "A1A", "20M", "CW", "291" }, { "B1B", "2m", "FM", "291" }, { "C1C", "160M", "CW", "230" },
                    { "D1D", "10M", "FT8", "1" }, { "E1E", "20M", "SSB", "230" },
                    { "F1F", "20M", "CW", "230" } }),
            6, 6, { { "10M", 1, 1 }, { "160M", 1, 1 }, { "20M", 3, 2 }, { "2M", 1, 1 } } },
        { "no DXCC column",
            logOf({ "CALL", "BAND", "MODE" }, { { "A1A", "20M", "CW" }, { "B1B", "40M", "CW" } }), 2, 2,
            { { "20M", 1, 0 }, { "40M", 1, 0 } } },
        { "FREQ only; a frequency outside every band counts toward the total only",
            logOf({ "CALL", "FREQ", "MODE" },
                { { "A1A", "14.074", "FT8" }, { "B1B", "7,030", "CW" }, { "C1C", "99", "CW" },
                    { "D1D", "", "CW" } }),
            4, 4, { { "20M", 1, 0 }, { "40M", 1, 0 } } },
        { "an empty BAND cell takes the band of its FREQ",
            logOf({ "CALL", "BAND", "FREQ", "MODE" },
                { { "A1A", "", "14.074", "CW" }, { "B1B", "20M", "", "CW" } }),
            2, 2, { { "20M", 2, 0 } } },
        { "partial DXCC column: junk, zero, signs and fractions are no entity; codes above 599 are",
            logOf({ "CALL", "BAND", "MODE", "DXCC" },
                { { "A1A", "20M", "CW", "" }, { "B1B", "20M", "CW", "abc" }, { "C1C", "20M", "CW", "0" },
                    { "D1D", "20M", "CW", "-5" }, { "E1E", "20M", "CW", "291" },
                    { "F1F", "20M", "CW", " 291 " }, { "G1G", "20M", "CW", "600" },
                    { "H1H", "20M", "CW", "1000000" }, { "I1I", "20M", "CW", "2.5" },
                    { "J1J", "20M", "CW", "99999999999999999999" } }),
            10, 10, { { "20M", 10, 3 } } },
        { "a band text is kept whole, however long",
            logOf({ "CALL", "BAND", "MODE" },
                { { "A1A", "1.25CM", "CW" }, { "B1B", "VERYLONGBAND1", "CW" },
                    { "C1C", "VERYLONGBAND2", "CW" } }),
            3, 3, { { "1.25CM", 1, 0 }, { "VERYLONGBAND1", 1, 0 }, { "VERYLONGBAND2", 1, 0 } } },
        { "calls: letter case and blanks ignored, empty calls not counted",
            logOf({ "CALL", "BAND", "MODE" },
                { { "dl1abc", "20M", "CW" }, { "DL1ABC", "20M", "CW" }, { " DL1ABC ", "20M", "CW" },
                    { "", "20M", "CW" }, { "DL1ABD", "20M", "CW" } }),
            5, 2, { { "20M", 5, 0 } } },
    };
    for (const Case &c : cases) {
        const LogStatistics statistics = count(c.log);
        ASSERT_TRUE(statistics.ok) << c.what;
        EXPECT_EQ(statistics.qsos, c.qsos) << c.what;
        EXPECT_EQ(statistics.uniqueCalls, c.calls) << c.what;
        EXPECT_EQ(gridOf(statistics), c.grid) << c.what;
    }
}

TEST(CountStatistics, RefusesLogsWithoutCallModeOrBand)
{
    for (const auto &header : std::vector<std::vector<std::string>> { { "CALL", "BAND", "FREQ" },
             { "CALL", "MODE" }, { "BAND", "MODE", "FREQ" }, { "call", "mode", "band" } }) {
        const LogStatistics statistics = count(logOf(header, { { "A1A", "20M", "CW" } }));
        EXPECT_FALSE(statistics.ok) << header[0] << header[1];
        EXPECT_EQ(statistics.message, "Not enough data for calculation.");
    }
    EXPECT_TRUE(count(logOf({ " CALL ", "MODE", "FREQ" }, {})).ok);
}

TEST(CountStatistics, CountsModeClassesPerBand)
{
    const LogStatistics statistics = count(logOf({ "CALL", "BAND", "MODE" },
        { { "A", "20M", "CW" }, { "B", "20M", "SSB" }, { "C", "20M", "FT8" }, { "D", "20M", "RTTY" },
            { "E", "40M", "" } }));
    const auto grid = statisticsGrid(statistics);
    ASSERT_EQ(grid.size(), 2u);
    EXPECT_EQ(grid[0].byModeClass, (std::array<int, 4> { 1, 1, 2, 0 }));
    EXPECT_EQ(grid[1].byModeClass, (std::array<int, 4> { 0, 0, 0, 1 }));
}

TEST(CountStatistics, StopKeepsTheRowsCounted)
{
    const LogTable log = logOf(
        { "CALL", "BAND", "MODE" }, { { "A", "20M", "CW" }, { "B", "20M", "CW" }, { "C", "40M", "CW" } });
    test::StopAfter progress(2);
    const LogStatistics statistics = countStatistics(log, progress);
    EXPECT_TRUE(statistics.stopped);
    EXPECT_EQ(statistics.qsos, 3);
    EXPECT_EQ(statistics.uniqueCalls, 2);
    EXPECT_EQ(gridOf(statistics), (std::vector<Row> { { "20M", 2, 0 } }));
    EXPECT_EQ(progress.labels, (std::vector<std::string> { "Collecting QSOs ..." }));
}

TEST(BandsByFrequency, OrdersTheChartFromLowToHighFrequency)
{
    const LogStatistics statistics = count(logOf({ "CALL", "BAND", "MODE" },
        { { "A", "2M", "CW" }, { "B", "10M", "CW" }, { "C", "160M", "CW" }, { "D", "70CM", "CW" },
            { "E", "JUNK", "CW" }, { "F", "20M", "CW" } }));
    std::vector<std::string> bands;
    for (const BandFigures &figures : bandsByFrequency(statisticsGrid(statistics)))
        bands.push_back(figures.band);
    EXPECT_EQ(bands, (std::vector<std::string> { "160M", "20M", "10M", "2M", "70CM", "JUNK" }));
}

TEST(CountStatistics, CountsARealLogLikeAnIndependentTally)
{
    LogTable table;
    RunningFlag running;
    ASSERT_TRUE(readAdiFile(test::dataFile("adi/skcc_logger.adi"), table, {}, running).ok);
    // An independent tally of the same file, straight from its cells.
    std::map<std::string, int> perBand;
    std::map<std::string, std::set<int>> entities;
    std::set<std::string> calls;
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string band = toUpper(trimmed(test::cell(table, row, "BAND")));
        ++perBand[band];
        entities[band].insert(std::stoi(test::cell(table, row, "DXCC"))); // "001" is entity 1
        calls.insert(toUpper(trimmed(test::cell(table, row, "CALL"))));
    }
    calls.erase("");
    const LogStatistics statistics = countStatistics(table, running);
    ASSERT_TRUE(statistics.ok);
    EXPECT_EQ(statistics.qsos, 15);
    EXPECT_EQ(statistics.uniqueCalls, static_cast<int>(calls.size()));
    for (const BandFigures &figures : statisticsGrid(statistics)) {
        EXPECT_EQ(figures.qsos, perBand[figures.band]) << figures.band;
        EXPECT_EQ(figures.entities, static_cast<int>(entities[figures.band].size())) << figures.band;
    }
}
