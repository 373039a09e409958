// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/Definitions.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::shippedTemplates;
using quillog::test::TestFolder;

namespace
{

std::string section(int id, std::string_view text)
{
    return "SECTION " + std::to_string(id) + " " + std::to_string(text.size()) + "\n" + std::string(text)
        + "\n";
}

std::string resource(std::string_view sections)
{
    return "QUILLOG-TEMPLATES 1\n" + std::string(sections) + "END\n";
}

} // namespace

TEST(LoadDefinitions, ReadsEverySectionOfTheResource)
{
    TestFolder folder;
    folder.write("Templates.dat",
        resource(section(105, "call\r\n Qso_Date \r\n") + section(109, "ADIF: 3.1.4\r\n")
            + section(111, "<contest><name>CQ-WW-CW</name><content>MY_CALL;CQZ</content></contest>")
            + section(112, "160M\r\n\r\n80M\r\n") + section(114, "CW\r\nSSB\r\n")
            + section(115, "FT4=MFSK\r\n") + section(116, "freq=N\r\nCALL=S\r\nNOTE\r\nFREQ=S\r\n")));
    const DefinitionsLoad load = loadDefinitions(folder.file("Templates.dat"), folder.path());
    ASSERT_TRUE(load.ok);
    EXPECT_TRUE(load.message.empty());
    const Definitions &d = load.definitions;
    EXPECT_EQ(d.fieldNames, (std::vector<std::string> { "CALL", "QSO_DATE" }));
    EXPECT_EQ(d.adifVersion, " 3.1.4");
    EXPECT_EQ(d.bands, (std::vector<std::string> { "160M", "", "80M" }));
    EXPECT_EQ(d.modes, (std::vector<std::string> { "CW", "SSB" }));
    EXPECT_EQ(d.submodes, (std::vector<std::string> { "FT4=MFSK" }));
    EXPECT_EQ(d.typeMap, (std::map<std::string, char, std::less<>> { { "CALL", 'S' }, { "FREQ", 'S' } }));
    ASSERT_EQ(d.contests.size(), 2u);
    EXPECT_EQ(d.contests[0], genericContestTemplate());
    EXPECT_EQ(d.contests[1], (ContestTemplate { "CQ-WW-CW", "MY_CALL;CQZ" }));
}

TEST(LoadDefinitions, MissingSectionsLeaveTheirPartsEmpty)
{
    TestFolder folder;
    folder.write("Templates.dat", resource(section(114, "CW\r\n")));
    const DefinitionsLoad load = loadDefinitions(folder.file("Templates.dat"), folder.path());
    ASSERT_TRUE(load.ok);
    EXPECT_TRUE(load.definitions.bands.empty());
    EXPECT_EQ(load.definitions.modes, (std::vector<std::string> { "CW" }));
    EXPECT_TRUE(load.definitions.typeMap.empty());
    EXPECT_EQ(load.definitions.adifVersion, "3.1.6");
    EXPECT_EQ(load.definitions.contests, (std::vector<ContestTemplate> { genericContestTemplate() }));
}

TEST(LoadDefinitions, WithoutTheResourceReportsItAndUsesOnlyTheOperatorsLists)
{
    TestFolder folder;
    folder.write("modes.lc", "CW\r\nFT8\r\n");
    folder.write("Templates.dat", "QUILLOG-TEMPLATES 1\nSECTION 112 9999\n160M\r\n");
    for (const std::string &path : { folder.file("missing.dat"), folder.file("Templates.dat") }) {
        Definitions previous;
        previous.adifVersion = "3.1.5";
        previous.typeMap.emplace("CALL", 'S');
        const DefinitionsLoad load = loadDefinitions(path, folder.path(), previous);
        EXPECT_FALSE(load.ok);
        EXPECT_EQ(load.message, kTemplatesMissingMessage);
        EXPECT_EQ(load.definitions.adifVersion, "3.1.5");
        EXPECT_TRUE(load.definitions.typeMap.empty());
        EXPECT_TRUE(load.definitions.contests.empty());
        EXPECT_TRUE(load.definitions.bands.empty());
        EXPECT_EQ(load.definitions.modes, (std::vector<std::string> { "CW", "FT8" }));
    }
}

TEST(LoadDefinitions, LoadingAgainKeepsOneCopyOfEachContestTemplate)
{
    TestFolder folder;
    folder.write("Templates.dat",
        resource(section(111,
            "<contest><name>GENERIC-CONTEST</name><content>CALL;SRX</content></contest>"
            "<contest><name>RDXC</name><content>MY_CALL;SRX_STRING</content></contest>")));
    DefinitionsLoad load = loadDefinitions(folder.file("Templates.dat"), folder.path());
    load = loadDefinitions(folder.file("Templates.dat"), folder.path(), load.definitions);
    load = loadDefinitions(folder.file("Templates.dat"), folder.path(), load.definitions);
    const std::vector<ContestTemplate> expected { { "GENERIC-CONTEST", "CALL;SRX" },
        { "RDXC", "MY_CALL;SRX_STRING" } };
    EXPECT_EQ(load.definitions.contests, expected);
}

TEST(LoadDefinitions, OperatorFilesReplaceTheDefaultListsWhole)
{
    TestFolder folder;
    folder.write("bands.lc", "  160M  \r\n\r\n80M");
    folder.write("submodes.lc", "");
    const DefinitionsLoad load = loadDefinitions(shippedTemplates, folder.path());
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.definitions.bands, (std::vector<std::string> { "160M", "80M" }));
    EXPECT_TRUE(load.definitions.submodes.empty());
    EXPECT_GT(load.definitions.modes.size(), 40u);
}

TEST(FindTemplateResource, PrefersTheOperatorsCopyThenBesideTheProgramThenTheSharedFolder)
{
    TestFolder folder;
    for (const char *sub : { "bin", "share/quillog", "data" })
        std::filesystem::create_directories(folder.file(sub));
    const std::string bin = folder.file("bin");
    const std::string data = folder.file("data");
    struct Step {
        const char *fileAdded; // nullptr: look before adding any
        std::string expected;
    };
    const Step steps[] = {
        { nullptr, bin + "/Templates.dat" },
        { "share/quillog/Templates.dat", bin + "/../share/quillog/Templates.dat" },
        { "bin/Templates.dat", bin + "/Templates.dat" },
        { "data/Templates.dat", data + "/Templates.dat" },
    };
    for (const Step &step : steps) {
        if (step.fileAdded)
            folder.write(step.fileAdded, "x");
        EXPECT_EQ(findTemplateResource(bin, data), step.expected) << (step.fileAdded ? step.fileAdded : "-");
    }
    // A folder of that name is not a copy, and no data folder means no copy.
    std::filesystem::remove(folder.file("data/Templates.dat"));
    std::filesystem::create_directories(folder.file("data/Templates.dat"));
    EXPECT_EQ(findTemplateResource(bin + "/", data), bin + "/Templates.dat");
    EXPECT_EQ(findTemplateResource(bin, ""), bin + "/Templates.dat");
}

TEST(TaggableFieldNames, LeaveOutHeaderFieldsAndRecordEnds)
{
    const std::vector<std::string> names { "ADIF_VER", "CALL", "eoh", "PROGRAMID", "Eor", "PROGRAMVERSION",
        "APP_TALLYSCOPE_QTC", "QSO_DATE", "CREATED_TIMESTAMP" };
    EXPECT_EQ(
        taggableFieldNames(names), (std::vector<std::string> { "CALL", "QSO_DATE", "CREATED_TIMESTAMP" }));
}
