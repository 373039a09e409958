// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "definitions/BandPlan.h"
#include "tools/BandAndFrequency.h"
#include "tools/BandOfFrequency.h"
#include "tools/FrequencyConversion.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

Confirm answering(bool yes, std::vector<std::string> &asked)
{
    return [yes, &asked](std::string_view question) {
        asked.emplace_back(question);
        return yes;
    };
}

} // namespace

TEST(MegahertzFrom, ConvertsUnitsAndKeepsThreeDecimals)
{
    struct Case {
        const char *cell;
        FrequencyUnit unit;
        bool comma;
        const char *expected; // nullptr: the cell stays as it is
    };
    using U = FrequencyUnit;
    const Case cases[] = {
        { "14074", U::KiloHertz, false, "14.074" },
        { "14074", U::KiloHertz, true, "14,074" },
        { "14074000", U::Hertz, false, "14.074" },
        { "1,2", U::GigaHertz, false, "1200.000" },
        { "3.5", U::MegaHertz, false, "3.500" },
        { " 7010.5 ", U::KiloHertz, false, "7.0105" },
        { "7,010,5", U::KiloHertz, false, "0.00701" }, // only the first comma is a point
        { "144", U::MegaHertz, false, "144.000" },
        { "14.0745678", U::MegaHertz, false, "14.074568" },
        { "0", U::MegaHertz, false, nullptr },
        { "", U::KiloHertz, false, nullptr },
        { "-14074", U::KiloHertz, false, nullptr },
        { "QRG", U::KiloHertz, false, nullptr },
        { "1e400", U::KiloHertz, false, nullptr }, // beyond a double: no number, never "inf"
        { "1e400", U::GigaHertz, false, nullptr },
        { "1e308", U::GigaHertz, false, nullptr }, // overflows when multiplied
        { "1e-400", U::MegaHertz, false, nullptr },
        { "inf", U::MegaHertz, false, nullptr },
        { "nan", U::MegaHertz, false, nullptr },
    };
    for (const Case &c : cases) {
        const auto megahertz = megahertzFrom(c.cell, c.unit, c.comma);
        if (c.expected == nullptr)
            EXPECT_FALSE(megahertz) << c.cell << " gave " << megahertz.value_or("");
        else
            EXPECT_EQ(megahertz.value_or("(none)"), c.expected) << c.cell;
    }
}

TEST(ConvertFrequencyColumn, RewritesNumbersOnlyAndUndoRestoresTheColumn)
{
    LogTable table = logOf({ "FREQ_RX", "FREQ" }, { { "7074", "14074" }, { "", "n/a" }, { "1e400", "0" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    const ToolResult result = convertFrequencyColumn(table, journal, 1, FrequencyUnit::KiloHertz, false);
    EXPECT_EQ(result.cellsChanged, 1);
    EXPECT_EQ(table.text(1, 1), "7.074");
    EXPECT_EQ(table.text(3, 1), "1e400");
    EXPECT_EQ(table.text(1, 2), "14074");
    journal.undo();
    EXPECT_EQ(snapshot(table), before);
}

TEST(BandOfFrequency, FollowsTheAdifBandEdges)
{
    struct Case {
        const char *frequency;
        const char *band;
    };
    const Case cases[] = {
        { "0.1357", "2190M" },
        { "0.1365", "2190M" },
        { "0.1378", "2190M" },
        { "0.1379", "" },
        { "0.475", "630M" },
        { "0,475", "630M" },
        { "0.502", "560M" },
        { "1.8", "160M" },
        { "2", "160M" },
        { "3.7", "80M" },
        { "5.06", "60M" },
        { "5.4", "60M" },
        { "5.5", "60M" },
        { "5.51", "" },
        { "7.3", "40M" },
        { "7.3001", "" },
        { "10.0", "30M" },
        { "10.136", "30M" },
        { "14.074", "20M" },
        { "18.1", "17M" },
        { "21.3", "15M" },
        { "24.9", "12M" },
        { "28.5", "10M" },
        { "40.68", "8M" },
        { "50.313", "6M" },
        { "54", "6M" },
        { "54.0000005", "" },
        { "60", "5M" },
        { "70.2", "4M" },
        { "144.174", "2M" },
        { "223.5", "1.25M" },
        { "432.1", "70CM" },
        { "903", "33CM" },
        { "1296", "23CM" },
        { "2320", "13CM" },
        { "3400", "9CM" },
        { "5760", "6CM" },
        { "10368", "3CM" },
        { "24048", "1.25CM" },
        { "47088", "6MM" },
        { "76032", "4MM" },
        { "122250", "2.5MM" },
        { "134928", "2MM" },
        { "241920", "1MM" },
        { "300000", "SUBMM" },
        { "7500000", "SUBMM" },
        { "7500001", "" },
        { "", "" },
        { "abc", "" },
        { "-14.074", "" },
        { "1e400", "" },
        { "14,074", "20M" },
        { " 14.074 kHz", "20M" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(bandOfFrequency(c.frequency), c.band) << c.frequency;
}

TEST(MakeBandFromFrequency, InsertsTheColumnAfterFreqAndUndoRemovesIt)
{
    LogTable table = logOf({ "CALL", "FREQ", "MODE" },
        { { "DL1ABC", "14.074", "FT8" }, { "K1AB", "", "CW" }, { "W1AW", "0.475", "CW" },
            { "G4X", "99", "CW" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    std::vector<std::string> asked;
    const ToolResult result = makeBandFromFrequency(table, journal, answering(false, asked));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(result.insertedColumns, std::vector<int> { 3 });
    EXPECT_EQ(result.columnsToFit, std::vector<int> { 3 });
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "CALL", "FREQ", "BAND", "MODE" }));
    EXPECT_EQ(cell(table, 1, "BAND"), "20M");
    EXPECT_EQ(cell(table, 2, "BAND"), "");
    EXPECT_EQ(cell(table, 3, "BAND"), "630M");
    EXPECT_EQ(cell(table, 4, "BAND"), "");
    EXPECT_EQ(result.cellsChanged, 2);

    journal.undo(); // the snapshot: the new column's header goes
    journal.undo(); // the insertion
    EXPECT_EQ(snapshot(table), before);
}

TEST(MakeBandFromFrequency, AddsToAnExistingColumnOnlyWithYesAndNeverOverwrites)
{
    const auto logWithBands = [] {
        return logOf({ "BAND", "FREQ", " BAND " },
            { { "x", "14.074", "" }, { "", "7.074", " " }, { "", "3.6", "80m" } });
    };
    for (const bool yes : { false, true }) {
        LogTable table = logWithBands();
        UndoJournal journal(table);
        const auto before = snapshot(table);
        std::vector<std::string> asked;
        const ToolResult result = makeBandFromFrequency(table, journal, answering(yes, asked));
        EXPECT_EQ(asked, std::vector<std::string> { std::string(kBandColumnExistsQuestion) });
        EXPECT_TRUE(result.insertedColumns.empty());
        if (!yes) {
            EXPECT_EQ(snapshot(table), before);
            EXPECT_EQ(journal.recordCount(), 0);
            continue;
        }
        // The last column whose trimmed header is BAND is filled; a blank counts as a value.
        EXPECT_EQ(table.text(0, 3), "BAND");
        EXPECT_EQ(table.text(1, 3), "20M");
        EXPECT_EQ(table.text(2, 3), " ");
        EXPECT_EQ(table.text(3, 3), "80m");
        EXPECT_EQ(table.text(2, 1), "");
        journal.undo();
        EXPECT_EQ(snapshot(table), before);
    }
}

TEST(MakeFrequencyFromBand, LooksUpThePlanByBandAndModeClass)
{
    BandPlan plan { { { "20M", "CW", "14.000" }, { "20M", "DIGI", "14.070" }, { "40M", "CW", "7.000" },
        { "40M", "DIGI", "7.050" }, { "60M", "ALL", "5.360" } } };
    LogTable table = logOf({ "CALL", "MODE", "BAND" },
        { { "A", "RTTY", "20M" }, { "B", "SSB", "40M" }, { "C", "CW", "20m" }, { "D", "FT8", "6M" },
            { "E", "", "60M" }, { "F", "CW", "" } });
    UndoJournal journal(table);
    std::vector<std::string> asked;
    const ToolResult result = makeFrequencyFromBand(table, journal, plan, answering(true, asked));
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(headers(table), (std::vector<std::string> { "#", "CALL", "MODE", "BAND", "FREQ" }));
    const std::vector<std::string> expected { "14.070", "7.000", "14.000", "", "5.360", "" };
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(cell(table, row, "FREQ"), expected[static_cast<std::size_t>(row - 1)]) << row;
    EXPECT_EQ(result.undoRecords, 2);
}

TEST(MakeFrequencyFromBand, MissingColumnsAreReportedAndChangeNothing)
{
    LogTable table = logOf({ "CALL", "FREQ" }, { { "A", "14.074" } });
    UndoJournal journal(table);
    const auto before = snapshot(table);
    std::vector<std::string> asked;
    EXPECT_EQ(makeFrequencyFromBand(table, journal, {}, answering(true, asked)).message,
        "Cannot find BAND column.");
    LogTable noFrequency = logOf({ "CALL", "BAND" }, { { "A", "20M" } });
    EXPECT_EQ(makeBandFromFrequency(noFrequency, journal, answering(true, asked)).message,
        "Cannot find FREQ column.");
    EXPECT_EQ(snapshot(table), before);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(journal.recordCount(), 0);
}
