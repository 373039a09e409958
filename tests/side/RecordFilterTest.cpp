// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/RecordFilter.h"

#include "TestSupport.h"
#include "formats/AdiReader.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
using Texts = std::vector<std::string>;

namespace
{

// The calls of the records of text that the filter keeps, read as a filtered open reads.
Texts kept(const FilterSettings &settings, const std::string &text)
{
    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.keepRecord = RecordFilter(settings).recordTest();
    const ReadResult result = AdiReader().read(bufferOf(text), table, options, progress);
    Texts calls;
    if (!result.ok)
        return calls;
    for (int row = 1; row < table.rowCount(); ++row)
        calls.push_back(cell(table, row, "CALL"));
    EXPECT_EQ(result.recordsKept, static_cast<int>(calls.size()));
    return calls;
}

std::string record(const std::string &call, const std::string &name, const std::string &value)
{
    return "<CALL:" + std::to_string(call.size()) + ">" + call + " <" + name + ":"
        + std::to_string(value.size()) + ">" + value + " <EOR>\n";
}

FilterSettings dates(int fromDay, int toMonth, int toDay)
{
    FilterSettings settings;
    settings.useDate = true;
    settings.dateFrom = *localDaySeconds(2024, 3, fromDay);
    settings.dateTo = *localDaySeconds(2024, toMonth, toDay);
    return settings;
}

} // namespace

TEST(RecordFilter, KeepsExactlyTheRecordsThatPassTheSwitchedOnTests)
{
    FilterSettings bands;
    bands.useBand = true;
    bands.bands = ";20M;40M;";
    FilterSettings call;
    call.useCall = true;
    call.callsign = "dl";
    FilterSettings zone;
    zone.useZone = true;
    zone.zones = ";5;14;";
    FilterSettings submode;
    submode.useSubmode = true;
    submode.submodes = ";FSK31=PSK; USB = SSB ;";
    FilterSettings qslNo;
    qslNo.useQslSent = true;
    qslNo.qslSent = "N";
    FilterSettings qslBoth = qslNo;
    qslBoth.qslSent = "YN";
    FilterSettings operatorIs;
    operatorIs.useOperator = true;
    operatorIs.operatorCall = "dl1abc";
    FilterSettings modeNoValues;
    modeNoValues.useMode = true;
    FilterSettings continents;
    continents.useContinent = true;
    continents.continents = ";EU;NA;";
    FilterSettings bandOff = bands;
    bandOff.useBand = false;

    const struct {
        const char *what;
        FilterSettings settings;
        std::string log;
        Texts calls;
    } cases[] = {
        { "dates to 31 March", dates(1, 3, 31),
            record("A", "QSO_DATE", "20240331") + record("B", "QSO_DATE", "20240401")
                + record("C", "QSO_DATE", "2024-03-15") + record("D", "QSO_DATE", "20240301")
                + record("E", "QSO_DATE", "20240229"),
            { "A", "D" } },
        { "one day", dates(31, 3, 31),
            record("A", "QSO_DATE", "20240331") + record("B", "QSO_DATE", "20240330"), { "A" } },
        { "bands in either case", bands,
            record("A", "BAND", "20m") + record("B", "BAND", "2M") + record("C", "BAND", "40M"),
            { "A", "C" } },
        { "a switched-off filter", bandOff, record("A", "BAND", "2M"), { "A" } },
        { "call anywhere", call,
            record("DL1ABC", "BAND", "x") + record("ODL0A", "BAND", "x") + record("K1AB", "BAND", "x"),
            { "DL1ABC", "ODL0A" } },
        { "zone as written", zone,
            record("A", "CQZ", "5") + record("B", "CQZ", "05") + record("C", "CQZ", "14"), { "A", "C" } },
        { "submode names", submode,
            record("A", "SUBMODE", "fsk31") + record("B", "SUBMODE", "PSK31") + record("C", "SUBMODE", "USB"),
            { "A", "C" } },
        { "QSL not sent", qslNo,
            record("A", "QSL_SENT", "N") + record("B", "QSL_SENT", "n") + record("C", "QSL_SENT", "Y")
                + record("D", "QSL_SENT", "R") + "<CALL:1>E <EOR>\n",
            { "A", "B", "E" } },
        { "QSL both states", qslBoth, record("A", "QSL_SENT", "N") + record("C", "QSL_SENT", "Y"),
            { "A", "C" } },
        { "operator equals", operatorIs,
            record("A", "OPERATOR", "DL1ABC") + record("B", "OPERATOR", "DL1ABCD"), { "A" } },
        { "list without values", modeNoValues, record("A", "MODE", "CW") + "<CALL:1>B <EOR>\n", {} },
        { "no CONT column", continents, record("A", "BAND", "20M") + record("B", "BAND", "40M"),
            { "A", "B" } },
        { "lacking CONT", continents, record("A", "CONT", "eu") + "<CALL:1>B <EOR>\n", { "A" } },
    };
    for (const auto &c : cases)
        EXPECT_EQ(kept(c.settings, c.log), c.calls) << c.what;
}

TEST(RecordFilter, ARejectedRecordLeavesNothingOfItsValuesBehind)
{
    FilterSettings bands;
    bands.useBand = true;
    bands.bands = ";20M;";
    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.keepRecord = RecordFilter(bands).recordTest();
    const std::string log
        = "<CALL:2>R1 <BAND:2>2M <NAME:3>Bob <EOR>\n<CALL:2>K1 <BAND:3>20M <EOR>\n"
          "<CALL:2>R2 <CALL:2>XX <BAND:2>6M <EOR>\n<CALL:2>K2 <CALL:2>YY <BAND:3>20m <EOR>\n";
    const ReadResult result = AdiReader().read(bufferOf(log), table, options, progress);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.records, 4);
    EXPECT_EQ(table.qsoCount(), 2);
    EXPECT_EQ(cell(table, 1, "CALL"), "K1");
    EXPECT_EQ(cell(table, 1, "NAME"), "");
    EXPECT_EQ(cell(table, 2, "CALL"), "K2") << "the first of two fields counts in a reused row too";
}

TEST(RecordFilter, NoRecordKeptIsAFailedRead)
{
    FilterSettings bands;
    bands.useBand = true;
    bands.bands = ";20M;";
    LogTable table;
    RunningFlag progress;
    ReadOptions options;
    options.keepRecord = RecordFilter(bands).recordTest();
    const ReadResult result = AdiReader().read(bufferOf(record("A", "BAND", "2M")), table, options, progress);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "No valid entries found.");
}

TEST(QslStatePasses, NStandsForNOrBlank)
{
    const struct {
        const char *states, *value;
        bool passes;
    } cases[] = { { "N", "", true }, { "N", "n", true }, { "N", "Y", false }, { "Y", "y", true },
        { "Y", "", false }, { "YN", "R", true }, { "", "R", true } };
    for (const auto &c : cases)
        EXPECT_EQ(qslStatePasses(c.states, c.value), c.passes) << c.states << " " << c.value;
}
