// SPDX-License-Identifier: GPL-3.0-or-later
// The generated Templates.dat against the official ADIF exports it was made from.
#include "TestFiles.h"
#include "core/Text.h"
#include "definitions/Definitions.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::fileContents;
using quillog::test::shippedTemplates;
using quillog::test::TestFolder;

namespace
{

// The quoted cells of one line of an official CSV export (every cell is quoted, "" stands for ").
std::vector<std::string> csvCells(std::string_view line)
{
    std::vector<std::string> cells;
    std::size_t i = 0;
    while ((i = line.find('"', i)) != std::string_view::npos) {
        std::string cell;
        for (++i; i < line.size(); ++i) {
            if (line[i] == '"' && (i + 1 >= line.size() || line[i + 1] != '"'))
                break;
            if (line[i] == '"')
                ++i;
            cell += line[i];
        }
        cells.push_back(cell);
        ++i;
    }
    return cells;
}

// The rows of an export, header row left out.
std::vector<std::vector<std::string>> exportRows(const char *name)
{
    const std::string text = fileContents(std::string(QUILLOG_ADIF_EXPORTS) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    std::size_t start = text.find('\n') + 1;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        rows.push_back(csvCells(std::string_view(text).substr(start, end - start)));
        start = end + 2;
    }
    return rows;
}

bool listedIgnoringCase(const std::vector<std::string> &list, std::string_view value)
{
    return std::ranges::any_of(
        list, [&](const std::string &entry) { return equalsIgnoreCase(entry, value); });
}

Definitions shipped()
{
    TestFolder dataFolder;
    DefinitionsLoad load = loadDefinitions(shippedTemplates, dataFolder.path());
    EXPECT_TRUE(load.ok) << load.message;
    return std::move(load.definitions);
}

} // namespace

TEST(ShippedTemplates, HoldEveryBandModeAndSubmodeOfTheAdifVersion)
{
    const Definitions definitions = shipped();
    EXPECT_EQ(definitions.adifVersion, "3.1.6");
    const auto bands = exportRows("enumerations_band.csv");
    ASSERT_EQ(bands.size(), 33u);
    EXPECT_EQ(definitions.bands.size(), bands.size());
    for (const auto &row : bands) {
        for (const std::string &spelling : { row[1], toUpper(row[1]), toLower(row[1]) })
            EXPECT_TRUE(listedIgnoringCase(definitions.bands, spelling)) << spelling;
    }
    std::vector<std::string> submodeNames;
    for (const std::string &entry : definitions.submodes)
        submodeNames.emplace_back(submodeName(entry));
    for (const auto &row : exportRows("enumerations_submode.csv")) {
        EXPECT_TRUE(std::ranges::count(definitions.submodes, row[1] + "=" + row[2]) == 1) << row[1];
        EXPECT_TRUE(listedIgnoringCase(definitions.modes, row[2])) << row[1] << " of " << row[2];
    }
    for (const auto &row : exportRows("enumerations_mode.csv")) {
        // Import-only modes are old names of submodes: they are left out of the modes, so the log check
        // flags them and the mode conversion finds them among the submodes.
        const bool importOnly = row[4] == "Import-only";
        EXPECT_EQ(listedIgnoringCase(definitions.modes, toLower(row[1])), !importOnly) << row[1];
        if (importOnly) {
            EXPECT_TRUE(listedIgnoringCase(submodeNames, row[1])) << row[1];
        }
    }
}

TEST(ShippedTemplates, GiveEveryFieldItsTypeLetter)
{
    const Definitions definitions = shipped();
    struct Case {
        const char *field;
        char letter;
    };
    for (const Case c :
        { Case { "QSO_DATE", 'D' }, { "TIME_ON", 'T' }, { "FREQ", 'N' }, { "CALL", 'S' }, { "MODE", 'E' },
            { "NAME_INTL", 'I' }, { "ADDRESS", 'M' }, { "ADDRESS_INTL", 'G' }, { "LAT", 'L' },
            { "QSO_RANDOM", 'B' }, { "CQZ", 'N' }, { "GRIDSQUARE", 'S' }, { "CREDIT_SUBMITTED", 'S' } }) {
        const auto found = definitions.typeMap.find(c.field);
        ASSERT_NE(found, definitions.typeMap.end()) << c.field;
        EXPECT_EQ(found->second, c.letter) << c.field;
    }
    for (const auto &row : exportRows("fields.csv")) {
        if (row[0] == "USERDEFn")
            continue;
        EXPECT_TRUE(definitions.typeMap.contains(row[0])) << row[0];
        EXPECT_TRUE(std::ranges::count(definitions.fieldNames, row[0]) == 1) << row[0];
    }
    EXPECT_EQ(definitions.fieldNames.size(), definitions.typeMap.size());
}

TEST(ShippedTemplates, CarryTheCommonContests)
{
    const Definitions definitions = shipped();
    for (const char *name : { "GENERIC-CONTEST", "CQ-WW-CW", "CQ-WW-SSB", "CQ-WPX-CW", "ARRL-DX-CW",
             "ARRL-FD", "IARU-HF", "ARRL-10", "ARRL-160", "CQ-160-CW", "NAQP-CW", "ARRL-VHF-JAN",
             "ARRL-SS-CW", "DARC-WAEDC-CW", "RDXC", "EU-HF" }) {
        const auto found = std::ranges::find(definitions.contests, name, &ContestTemplate::name);
        ASSERT_NE(found, definitions.contests.end()) << name;
        // The Cabrillo import drops the first item as the sent call.
        EXPECT_TRUE(found->fields.starts_with("MY_CALL")) << name;
    }
    EXPECT_EQ(std::ranges::count(definitions.contests, "GENERIC-CONTEST", &ContestTemplate::name), 1);
    const auto fieldDay = std::ranges::find(definitions.contests, "ARRL-FD", &ContestTemplate::name);
    EXPECT_NE(fieldDay->fields.find("CLASS (Received class)"), std::string::npos);
    EXPECT_NE(fieldDay->fields.find("ARRL_SECT (Received section)"), std::string::npos);
}
