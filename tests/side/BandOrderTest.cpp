// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/BandOrder.h"

#include "side/CallSet.h"
#include "side/ModeClass.h"
#include "tools/BandOfFrequency.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quillog;

TEST(BandWavelength, ReadsMetresCentimetresAndMillimetres)
{
    struct Case {
        const char *band;
        double metres;
    };
    for (const Case c : { Case { "160M", 160 }, { "2m", 2 }, { "1.25M", 1.25 }, { "70CM", 0.7 },
             { "1.25cm", 0.0125 }, { "2.5MM", 0.0025 }, { " 20M ", 20 } }) {
        const auto metres = bandWavelength(c.band);
        ASSERT_TRUE(metres.has_value()) << c.band;
        EXPECT_DOUBLE_EQ(*metres, c.metres) << c.band;
    }
    for (const char *junk : { "", "M", "20", "20KM", "-20M", "0M", "X20M", ".M" })
        EXPECT_FALSE(bandWavelength(junk).has_value()) << junk;
}

TEST(BandBefore, SortsFromLowToHighFrequencyWithJunkLast)
{
    std::vector<std::string> bands
        = { "ZZ", "2M", "SUBMM", "10M", "70CM", "160M", "2190M", "1MM", "20M", "AA", "6M", "2.5MM" };
    std::sort(bands.begin(), bands.end(), bandBefore);
    EXPECT_EQ(bands,
        (std::vector<std::string> {
            "2190M", "160M", "20M", "10M", "6M", "2M", "70CM", "2.5MM", "1MM", "SUBMM", "AA", "ZZ" }));
}

TEST(ModeClassOf, PutsEveryModeIntoOneClass)
{
    struct Case {
        const char *mode;
        ModeClass expected;
    };
    for (const Case c : { Case { "CW", ModeClass::Cw }, { "cw", ModeClass::Cw }, { " CW ", ModeClass::Cw },
             { "SSB", ModeClass::Phone }, { "FM", ModeClass::Phone }, { "AM", ModeClass::Phone },
             { "USB", ModeClass::Phone }, { "DIGITALVOICE", ModeClass::Phone }, { "FT8", ModeClass::Digital },
             { "RTTY", ModeClass::Digital }, { "MFSK", ModeClass::Digital }, { "CWR", ModeClass::Digital },
             { "", ModeClass::Other }, { "  ", ModeClass::Other } })
        EXPECT_EQ(modeClassOf(c.mode), c.expected) << c.mode;
}

TEST(SideBandOfFrequency, GivesTheAdifBandOrNone)
{
    struct Case {
        const char *freq, *band;
    };
    for (const Case c : { Case { "14.074", "20M" }, { "7,030", "40M" }, { "1.8", "160M" }, { "29.7", "10M" },
             { "144.3", "2M" }, { "432.1", "70CM" }, { "14.5", "" }, { "", "" }, { "abc", "" },
             { "-14.074", "" } })
        EXPECT_EQ(bandOfFrequency(c.freq), c.band) << c.freq;
}

TEST(CallSet, CountsEachCallOnceWhateverItsLetterCase)
{
    struct Case {
        std::vector<std::string> calls;
        std::size_t distinct;
    };
    const std::string longCall = "DL1ABC/P/MM/QRP/1"; // longer than the calls kept inline
    for (const Case &c :
        { Case { { "DL1ABC", "dl1abc", "Dl1AbC" }, 1 }, { { "DL1ABC", "DL1ABD", "", "" }, 2 },
            { { longCall, "dl1abc/p/mm/qrp/1", "DL1ABC/P/MM/QRP" }, 2 },
            { { "123456789012345", "1234567890123456", "123456789012345" }, 2 } }) {
        CallSet set(1);
        for (const std::string &call : c.calls)
            set.insert(call);
        EXPECT_EQ(set.size(), c.distinct) << c.calls[0];
    }
    // Far more calls than the set was sized for: it grows and loses none.
    CallSet set(4);
    for (int number = 0; number < 5000; ++number) {
        set.insert("K" + std::to_string(number));
        set.insert("k" + std::to_string(number));
    }
    EXPECT_EQ(set.size(), 5000u);
}
