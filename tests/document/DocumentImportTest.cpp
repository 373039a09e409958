// SPDX-License-Identifier: GPL-3.0-or-later
// Import and Save as Excel CSV through the document, prompt for prompt.
#include "ScriptedHost.h"
#include "TestSupport.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

namespace
{

const std::string trlogQuestion
    = "TRLOG sequence is detected.\r\nDo you want to open this file as a TRLOG file?";
const std::string rule = " ----- --------- ----- ----  ---------------- ----- ----- ----- ---\n";
const std::string trlogLine = "  40CW 12-Oct-96 1402     1  K1AR             599   579   MA     1\n";

class DocumentImportTest : public ::testing::Test
{
protected:
    DocumentImportTest()
        : folder(freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()))
        , document(host, store, QUILLOG_DATA_DIR, (folder / "data").string())
    {
        fs::create_directories(folder / "data");
        document.start();
    }

    std::string write(const std::string &name, std::string_view bytes)
    {
        writeFile(folder / name, bytes);
        return (folder / name).string();
    }

    void import(const std::string &path)
    {
        host.files.push_back(path);
        document.import();
    }

    fs::path folder;
    ScriptedHost host;
    MemoryKeyValueStore store;
    Document document;
};

} // namespace

TEST_F(DocumentImportTest, EachKindOfLogReachesItsReader)
{
    struct Case {
        const char *name;
        std::string bytes;
        std::vector<Answer> answers;
        Texts messages;
        int qsos;
        int column;
        const char *firstCell;
    };
    std::string ctHeaderOnly(100, 'x');
    ctHeaderOnly.replace(32, 2, "CT");
    const Case cases[] = {
        { "log.cbr",
            "START-OF-LOG: 3.0\nCONTEST: CQ-WW-CW\nQSO: 14025 PH 2024-01-01 0000 ME 59 5 K1AB 59 15\n", {},
            {}, 1, 1, "14.025" },
        { "log.csv", "CALL,QSO_DATE,MODE\nAB1C,20240301,CW\n", {}, {}, 1, 1, "AB1C" },
        { "short.bin", ctHeaderOnly, {}, { "Invalid file content.", "No valid QSOs found." }, 0, 0, "" },
        { "log.dat", rule + trlogLine, { Answer::Yes }, { trlogQuestion }, 1, 2, "CW" },
        { "grid.dat", rule + trlogLine, { Answer::No }, { trlogQuestion }, 2, 2, "-" },
        { "nine.txt", "123456789", {}, { "No valid entries found." }, 0, 0, "" },
    };
    for (const Case &c : cases) {
        host.answers.assign(c.answers.begin(), c.answers.end());
        const std::string path = write(c.name, c.bytes);
        import(path);
        EXPECT_EQ(host.takeMessages(), c.messages) << c.name;
        EXPECT_EQ(document.isLogOpen(), c.qsos > 0) << c.name;
        EXPECT_EQ(host.title, c.qsos > 0 ? "Quillog - " + path : "Quillog") << c.name;
        EXPECT_EQ(host.status[0], "Ready") << c.name;
        if (c.qsos == 0)
            continue;
        EXPECT_EQ(document.table().qsoCount(), c.qsos) << c.name;
        EXPECT_EQ(document.table().text(0, 0), "#") << c.name;
        EXPECT_EQ(document.table().text(1, c.column), c.firstCell) << c.name;
        EXPECT_TRUE(document.needsNewName()) << c.name;
        EXPECT_FALSE(document.isModified()) << c.name;
        EXPECT_FALSE(document.journal().canUndo()) << c.name;
    }
}

TEST_F(DocumentImportTest, ATrlogListingGetsBandAndModeInTwoColumns)
{
    host.answers.push_back(Answer::Yes);
    import(write("log.dat", "title\n" + rule + trlogLine));
    const LogTable &table = document.table();
    ASSERT_EQ(table.qsoCount(), 1);
    EXPECT_EQ(table.text(1, 1), "40");
    EXPECT_EQ(table.text(1, 2), "CW");
    EXPECT_EQ(table.text(1, 3), "12-Oct-96");
}

TEST_F(DocumentImportTest, AFailedImportLeavesNoLogOpen)
{
    import(write("log.csv", "CALL,QSO_DATE,MODE\nAB1C,20240301,CW\n"));
    ASSERT_TRUE(document.isLogOpen());
    import(write("nine.txt", "123456789"));
    EXPECT_FALSE(document.isLogOpen());
    EXPECT_EQ(host.title, "Quillog");
}

TEST_F(DocumentImportTest, SaveAsExcelCsvWritesACopyAndKeepsTheLogState)
{
    const std::string source
        = write("log.csv", "CALL,QSO_DATE,MODE\nAB1C,20240301,CW\nK1AB,20240302,\"S\"\"SB\"\n");
    import(source);
    const std::string target = (folder / "out.csv").string();
    host.files.push_back(target);
    document.saveAsCsv();
    EXPECT_TRUE(host.takeMessages().empty());
    EXPECT_EQ(host.dialogs.back().title, "Save as Excel CSV file");
    EXPECT_EQ(host.dialogs.back().filter, "MS Excel CSV files (*.csv)|*.csv|All files (*.*)|*.*|");
    EXPECT_EQ(host.dialogs.back().defaultExtension, "csv");
    EXPECT_EQ(fileContents(target),
        "\"CALL\";\"QSO_DATE\";\"MODE\"\r\n\"AB1C\";\"20240301\";\"CW\"\r\n\"K1AB\";\"20240302\";"
        "\"S\"\"SB\"\r\n");
    EXPECT_EQ(document.currentPath(), source);
    EXPECT_TRUE(document.needsNewName());

    host.files.push_back((folder / "missing" / "out.csv").string());
    document.saveAsCsv();
    EXPECT_EQ(host.takeMessages(),
        (Texts { "Quillog cannot access the file because it is being used by another application." }));
}

TEST_F(DocumentImportTest, AUtf16CabrilloLogIsImportedFromItsUtf8Copy)
{
    const std::string text
        = "START-OF-LOG: 3.0\r\nCONTEST: CQ-WW-CW\r\nQSO: 14025 CW 2024-01-01 0000 ME 599 5 K1AB 599 "
          "15\r\nEND-OF-LOG:\r\n";
    std::string wide = "\xFF\xFE";
    for (const char c : text)
        wide.append({ c, '\0' });
    const std::string path = write("wide.cbr", wide);
    import(path);
    EXPECT_TRUE(host.takeMessages().empty());
    ASSERT_EQ(document.table().qsoCount(), 1);
    EXPECT_EQ(cell(document.table(), 1, "FREQ"), "14.025");
    EXPECT_EQ(cell(document.table(), 1, "CQZ"), "15");
    EXPECT_EQ(host.title, "Quillog - " + path);
}
