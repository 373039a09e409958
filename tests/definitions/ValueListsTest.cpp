// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/ValueLists.h"

#include "TestFiles.h"
#include "definitions/ListEditor.h"

#include <gtest/gtest.h>

using namespace quillog;
using quillog::test::fileContents;
using quillog::test::shippedTemplates;
using quillog::test::TestFolder;

using Entries = std::vector<std::string>;

TEST(ListFile, EntriesAreTrimmedLinesWithoutEmptyOnes)
{
    struct Case {
        const char *text;
        Entries entries;
    };
    const Case cases[] = {
        { "  160M \t\r\n\r\n80M", { "160M", "80M" } },
        { "160M\n80M\n", { "160M", "80M" } },
        { "160M\r80M\r", { "160M", "80M" } },
        { "\r\n \r\n\t\n", {} },
        { "", {} },
        { "ssb\r\nFsk31=Psk\r\n", { "ssb", "Fsk31=Psk" } },
        { "a b \v\f\r\n", { "a b" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(parseListFile(c.text), c.entries) << c.text;
}

TEST(ListFile, WrittenEntriesEndWithCrLfAndSkipEmptyOnes)
{
    EXPECT_EQ(listFileText({ "160M", "", "80M" }), "160M\r\n80M\r\n");
    EXPECT_EQ(listFileText({}), "");
    TestFolder folder;
    ASSERT_TRUE(writeListFile(folder.file("bands.lc"), { "160M", "80M" }));
    EXPECT_EQ(readListFile(folder.file("bands.lc")), (Entries { "160M", "80M" }));
    EXPECT_FALSE(readListFile(folder.file("modes.lc")).has_value());
    EXPECT_FALSE(writeListFile(folder.file("no such folder/bands.lc"), { "160M" }));
}

TEST(SubmodeEntry, SplitsAtTheFirstEqualsSign)
{
    struct Case {
        const char *entry, *submode, *mode;
    };
    for (const Case c : { Case { "FSK31=PSK", "FSK31", "PSK" }, { "FT4", "FT4", "" }, { "A=B=C", "A", "B=C" },
             { "=X", "", "X" } }) {
        EXPECT_EQ(submodeName(c.entry), c.submode) << c.entry;
        EXPECT_EQ(parentMode(c.entry), c.mode) << c.entry;
    }
}

TEST(ReadOneList, PrefersTheOperatorsFileToTheDefaults)
{
    TestFolder folder;
    const Entries defaults = readOneList(ValueListKind::Bands, shippedTemplates, folder.path());
    ASSERT_EQ(defaults.size(), 33u);
    EXPECT_EQ(defaults.front(), "2190M");
    folder.write("bands.lc", "20M\r\n");
    EXPECT_EQ(readOneList(ValueListKind::Bands, shippedTemplates, folder.path()), Entries { "20M" });
    EXPECT_TRUE(readOneList(ValueListKind::Modes, folder.file("missing.dat"), folder.path()).empty());
}

TEST(ListEditor, AddRefusesDuplicatesAndMalformedSubmodes)
{
    struct Case {
        ValueListKind kind;
        const char *value;
        AddOutcome outcome;
        const char *message;
    };
    const Case cases[] = {
        { ValueListKind::Modes, "ssb", AddOutcome::Duplicate, "Selected value already exists" },
        { ValueListKind::Modes, "SSB ", AddOutcome::Added, "" },
        { ValueListKind::Modes, "", AddOutcome::Ignored, "" },
        { ValueListKind::Bands, "FT4=mfsk", AddOutcome::Duplicate, "Selected value already exists" },
        { ValueListKind::Bands, "60M", AddOutcome::Added, "" },
        { ValueListKind::Submodes, "FSK31", AddOutcome::BadFormat,
            "Please use SUBMODE=MODE format, for example FSK31=PSK" },
        { ValueListKind::Submodes, "FSK31=PSK", AddOutcome::Added, "" },
    };
    for (const Case &c : cases) {
        ListEditor editor(c.kind, {}, { "SSB", "FT4=MFSK" });
        const AddResult result = editor.add(c.value);
        EXPECT_EQ(result.outcome, c.outcome) << c.value;
        EXPECT_EQ(result.message, c.message) << c.value;
        EXPECT_EQ(editor.entries().size(), c.outcome == AddOutcome::Added ? 3u : 2u) << c.value;
        if (c.outcome == AddOutcome::Added) {
            EXPECT_EQ(editor.entries().back(), c.value);
        }
    }
}

TEST(ListEditor, DeleteDefaultAndSave)
{
    TestFolder folder;
    folder.write("modes.lc", "CW\r\nSSB\r\nFT8\r\nRTTY\r\n");
    ListEditor editor = ListEditor::open(ValueListKind::Modes, shippedTemplates, folder.path());
    EXPECT_EQ(editor.windowTitle(), "Modes");
    EXPECT_EQ(editor.entries(), (Entries { "CW", "SSB", "FT8", "RTTY" }));
    editor.remove({ 3, 0, 3, 9, -1 });
    EXPECT_EQ(editor.entries(), (Entries { "SSB", "FT8" }));
    ASSERT_TRUE(editor.save(folder.path()));
    EXPECT_EQ(fileContents(folder.file("modes.lc")), "SSB\r\nFT8\r\n");

    editor.restoreDefaults();
    EXPECT_EQ(editor.entries().front(), "AM");
    ASSERT_TRUE(editor.save(folder.path()));
    EXPECT_EQ(readListFile(folder.file("modes.lc")), editor.entries());

    ListEditor emptied(ValueListKind::Modes, { "CW" }, { "CW" });
    emptied.remove({ 0 });
    ASSERT_TRUE(emptied.save(folder.path()));
    EXPECT_EQ(fileContents(folder.file("modes.lc")), "");
    EXPECT_TRUE(readOneList(ValueListKind::Modes, shippedTemplates, folder.path()).empty());
}

TEST(ListEditor, AFailedSaveLeavesNoHalfFile)
{
    TestFolder folder;
    std::filesystem::create_directories(folder.file("bands.lc/kept"));
    ListEditor editor(ValueListKind::Bands, {}, { "40M" });
    EXPECT_FALSE(editor.save(folder.path()));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("bands.lc/kept")));
    EXPECT_EQ(std::distance(
                  std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
        1);
    EXPECT_FALSE(editor.save(folder.file("missing")));
}
