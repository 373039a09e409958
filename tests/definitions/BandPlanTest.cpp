// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/BandPlan.h"

#include "TestFiles.h"
#include "definitions/BandPlanEditor.h"

#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::fileContents;
using quillog::test::TestFolder;

namespace
{

const std::string defaultPlanFile = std::string(QUILLOG_TEST_DATA) + "/definitions/bandplan-default.xml";

BandPlan planOf(std::vector<BandPlanRow> rows)
{
    return BandPlan { std::move(rows) };
}

BandPlan parsed(std::string_view text)
{
    BandPlan plan;
    parseBandPlan(text, plan);
    return plan;
}

} // namespace

TEST(BandPlan, DefaultPlanIsLaidOutAsTheWriterWritesIt)
{
    const std::string expected = fileContents(defaultPlanFile);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(defaultBandPlanText(), expected);
    const BandPlan plan = defaultBandPlan();
    ASSERT_EQ(plan.rows.size(), 64u);
    EXPECT_EQ(plan.rows.front(), (BandPlanRow { "2200M", "ALL", "0.1357" }));
    EXPECT_EQ(plan.rows[3], (BandPlanRow { "160M", "DIGI, SSB", "1.840" }));
    EXPECT_EQ(plan.rows.back(), (BandPlanRow { "1MM", "ALL", "241000.000" }));
    EXPECT_EQ(bandPlanText(plan), expected);
}

TEST(BandPlan, SavedPlanReadsBackRowForRow)
{
    TestFolder folder;
    ASSERT_TRUE(saveBandPlan(defaultBandPlan(), folder.path()));
    EXPECT_EQ(fileContents(folder.file("bandplan.xml")), defaultBandPlanText());
    const LoadedBandPlan loaded = loadBandPlan(folder.path());
    EXPECT_FALSE(loaded.isDefault);
    EXPECT_EQ(loaded.plan, defaultBandPlan());

    const BandPlan split
        = planOf({ { "20M", "CW", "14.000" }, { "40M", "CW", "7.000" }, { "20M", "SSB", "14.200" } });
    const std::string text = bandPlanText(split);
    size_t bandElements = 0;
    for (size_t at = text.find("<band>"); at != std::string::npos; at = text.find("<band>", at + 1))
        ++bandElements;
    EXPECT_EQ(bandElements, 3u);
    EXPECT_EQ(parsed(text), split);
}

TEST(BandPlan, ReaderKeepsOnlyCompleteMaps)
{
    struct Case {
        const char *what;
        std::string text;
        std::vector<BandPlanRow> rows;
    };
    const Case cases[] = {
        { "LF only, no declaration",
            "<bandplan>\n<band>\n<value>20M</value>\n<map>\n<mode>CW</mode>\n<freq>14.0</freq>\n</map>\n",
            { { "20M", "CW", "14.0" } } },
        { "CR only", "<band>\r<value>6M</value>\r<map>\r<mode>CW</mode>\r<freq>50.0</freq>\r</map>\r",
            { { "6M", "CW", "50.0" } } },
        { "empty freq", bandPlanText(planOf({ { "20M", "CW", "" }, { "20M", "SSB", "14.2" } })),
            { { "20M", "SSB", "14.2" } } },
        { "no freq elements", "<band>\r\n<value>20M</value>\r\n<map>\r\n<mode>CW</mode>\r\n</map>\r\n", {} },
        { "map outside a band", "<map>\r\n<mode>CW</mode>\r\n<freq>1</freq>\r\n</map>\r\n", {} },
        { "value without closing tag", "<band>\r\n<value>20M\r\n<map>\r\n<mode>CW\r\n<freq>14\r\n</map>\r\n",
            { { "20M", "CW", "14" } } },
        { "over-long fields cut",
            "<band>\r\n<value>ABCDEFGHIJ</value>\r\n<map>\r\n<mode>0123456789abcdefgh</mode>\r\n"
            "<freq>0123456789abcdefgh</freq>\r\n</map>\r\n",
            { { "ABCDEFG", "0123456789abcde", "0123456789abcde" } } },
        { "binary", std::string("\0\x01<map>\xff</map>\0", 16), {} },
    };
    for (const Case &c : cases)
        EXPECT_EQ(parsed(c.text).rows, c.rows) << c.what;
}

TEST(BandPlan, MissingOrBlankFileGivesTheDefaultPlan)
{
    TestFolder folder;
    EXPECT_TRUE(loadBandPlan(folder.path()).isDefault);
    folder.write("bandplan.xml", " \r\n\r\n\t\n");
    const LoadedBandPlan blank = loadBandPlan(folder.path());
    EXPECT_TRUE(blank.isDefault);
    EXPECT_EQ(blank.plan.rows.size(), 64u);
    folder.write("bandplan.xml", "<bandplan>\r\n</bandplan>\r\n");
    const LoadedBandPlan empty = loadBandPlan(folder.path());
    EXPECT_FALSE(empty.isDefault);
    EXPECT_TRUE(empty.plan.isEmpty());
    EXPECT_EQ(frequencyForBand(empty.plan, "20M", "CW"), "");
}

TEST(BandPlan, LookupTakesTheModeClassThenTheCwRow)
{
    const BandPlan plan = defaultBandPlan();
    struct Case {
        const char *band, *mode, *freq;
    };
    for (const Case c : { Case { "20M", "SSB", "14.200" }, { "20M", "RTTY", "14.070" },
             { "20M", "FT8", "14.074" }, { "60M", "CW", "5.360" }, { "60M", "", "5.360" },
             { "80M", "ssb", "3.570" }, { "30M", "SSB", "10.100" }, { "160M", "SSB", "1.840" },
             { "160M", "PSK", "1.840" }, { "160M", "FT8", "1.820" }, { "10M", "FM", "29.000" },
             { "2M", "AM", "144.500" }, { "12M", "FT8", "24.915" }, { "4M", "FT4", "70.100" },
             { "20m", "SSB", "" }, { "11M", "SSB", "" } }) {
        EXPECT_EQ(frequencyForBand(plan, c.band, c.mode), c.freq) << c.band << " " << c.mode;
    }
    const BandPlan fallbacks
        = planOf({ { "20M", "CW", "1" }, { "20M", "SSB", "2" }, { "20M", "CW, DIGI", "3" } });
    EXPECT_EQ(frequencyForBand(fallbacks, "20M", "FM"), "3");
    EXPECT_EQ(frequencyForBand(fallbacks, "20M", "RTTY"), "3");
}

TEST(BandPlanEditor, OkWithoutChangeLeavesTheOperatorsFileAlone)
{
    TestFolder folder;
    const std::string own = bandPlanText(planOf({ { "20M", "CW", "14.010" } })) + "<!-- mine -->\r\n";
    folder.write("bandplan.xml", own);
    BandPlanEditor editor(folder.path());
    EXPECT_FALSE(editor.isDefault());
    EXPECT_EQ(editor.accept(editor.workingPlan().rows), BandPlanOkAction::Untouched);
    EXPECT_EQ(fileContents(folder.file("bandplan.xml")), own);

    std::vector<BandPlanRow> rows = editor.workingPlan().rows;
    rows[0].freq = "14.020";
    EXPECT_EQ(editor.accept(rows), BandPlanOkAction::Saved);
    EXPECT_EQ(loadBandPlan(folder.path()).plan, planOf({ { "20M", "CW", "14.020" } }));
}

TEST(BandPlanEditor, DefaultThenOkRemovesTheFile)
{
    TestFolder folder;
    folder.write("bandplan.xml", bandPlanText(planOf({ { "20M", "CW", "14.010" } })));
    BandPlanEditor editor(folder.path());
    editor.restoreDefault();
    EXPECT_TRUE(editor.isDefault());
    EXPECT_EQ(editor.accept(editor.workingPlan().rows), BandPlanOkAction::Removed);
    EXPECT_FALSE(std::filesystem::exists(folder.file("bandplan.xml")));
    EXPECT_TRUE(loadBandPlan(folder.path()).isDefault);
}

TEST(BandPlanEditor, ChangingTheDefaultPlanWritesIt)
{
    TestFolder folder;
    BandPlanEditor editor(folder.path());
    ASSERT_TRUE(editor.isDefault());
    std::vector<BandPlanRow> rows = editor.workingPlan().rows;
    rows[5].freq = "3.5801234567890123";
    EXPECT_EQ(editor.accept(rows), BandPlanOkAction::Saved);
    const BandPlan saved = loadBandPlan(folder.path()).plan;
    ASSERT_EQ(saved.rows.size(), 64u);
    EXPECT_EQ(saved.rows[5], (BandPlanRow { "80M", "DIGI", "3.5801234567890" }));

    std::filesystem::remove(folder.file("bandplan.xml"));
    std::filesystem::create_directories(folder.file("bandplan.xml/kept"));
    BandPlanEditor blocked(folder.path());
    EXPECT_EQ(blocked.accept(rows), BandPlanOkAction::SaveFailed);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("bandplan.xml/kept")));
}
