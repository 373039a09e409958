// SPDX-License-Identifier: GPL-3.0-or-later
// The document's commands, prompt for prompt, through a scripted host.
#include "document/Document.h"

#include "ScriptedHost.h"
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "check/ValidationProfiles.h"
#include "settings/MemoryKeyValueStore.h"
#include "settings/SettingNames.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

namespace
{

const std::string notAdif = "This file is not ADIF formatted.\nPlease use Import menu to open it.";
const std::string reloadQuestion
    = "The opened log is modified.\nDo you want to save changes?\n\nYes:\tSaves your "
      "changes\nNo:\tDiscards your changes\nCancel:\tKeeps this log open";
const std::string closeQuestion = "Do you want to save changes?\n\nYes:\tSaves your changes\nNo:\tDiscards "
                                  "your changes\nCancel:\tKeeps this log open";
const std::string log1
    = "<EOH>\n<CALL:4>AB1C <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n"
      "<CALL:4>K1AB <QSO_DATE:8>20240302 <TIME_ON:4>1300 <BAND:3>40m <MODE:3>SSB <EOR>\n";

class DocumentTest : public ::testing::Test
{
protected:
    DocumentTest()
        : folder(freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()))
        , document(host, store, QUILLOG_DATA_DIR, (folder / "data").string())
    {
        fs::create_directories(folder / "data");
        writeFile(folder / "log.adi", log1);
        writeFile(folder / "other.adi", "<CALL:4>W1AW <QSO_DATE:8>20240303 <EOR>\n");
        writeFile(folder / "log.csv", "CALL,QSO_DATE\nAB1C,20240301\n");
        writeFile(folder / "empty.adi", "header only <EOH>\n");
        document.start();
    }

    std::string path(const char *name) const { return (folder / name).string(); }

    void openLog(const char *name = "log.adi")
    {
        host.files.push_back(path(name));
        document.open();
    }

    // An edit as a tool makes it: recorded first, then done.
    void edit()
    {
        document.journal().addRecord(
            { UndoKind::CellChange, 1, 1, -1, {}, std::string(document.table().text(1, 1)), {} });
        document.table().setText(1, 1, "EDITED");
    }

    fs::path folder;
    ScriptedHost host;
    MemoryKeyValueStore store;
    Document document;
};

} // namespace

TEST_F(DocumentTest, OpenLoadsTheLogWithRowNumbers)
{
    EXPECT_EQ(host.title, "Quillog");
    EXPECT_EQ(host.status[2], "   QSOs: 0");
    openLog();
    EXPECT_TRUE(host.takeMessages().empty());
    EXPECT_EQ(host.dialogs.back().title, "Open ADIF Files");
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi"));
    EXPECT_EQ(host.status[2], "   QSOs: 2");
    EXPECT_EQ(host.status[0], "Ready");
    EXPECT_EQ(headers(document.table()), (Texts { "#", "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE" }));
    EXPECT_EQ(document.table().text(2, 0), "2");
    EXPECT_TRUE(document.isLogOpen());
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(document.recentFiles().paths(), (Texts { path("log.adi") }));
}

TEST_F(DocumentTest, OpenRefusesWhatIsNotAdif)
{
    openLog();
    openLog("log.csv");
    EXPECT_EQ(host.takeMessages(), (Texts { notAdif }));
    EXPECT_EQ(document.currentPath(), path("log.adi")) << "a refused file never becomes the open log";
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi"));
    EXPECT_EQ(document.table().qsoCount(), 2) << "the open log stays";

    edit();
    const std::size_t dialogs = host.dialogs.size();
    document.save();
    EXPECT_EQ(host.dialogs.size(), dialogs) << "Save writes the open log to its own file";
    EXPECT_EQ(fileContents(path("log.csv")), "CALL,QSO_DATE\nAB1C,20240301\n");
    EXPECT_NE(fileContents(path("log.adi")).find("<CALL:6>EDITED"), std::string::npos);
    EXPECT_FALSE(document.isModified());

    openLog("empty.adi");
    EXPECT_EQ(host.takeMessages(), (Texts { "No valid entries found." }));
    EXPECT_FALSE(document.isLogOpen());
    EXPECT_EQ(host.title, "Quillog");
}

TEST_F(DocumentTest, NoRefusedFileIsEverSavedOver)
{
    writeFile(path("second.adi"), "<CALL:4>W1AW <QSO_DATE:8>20240303 <EOR>\n");
    struct Case {
        const char *command;
        std::function<void()> run;
        const char *refused;
        std::string message;
    };
    const Case cases[] = {
        { "Open", [&] { openLog("log.csv"); }, "log.csv", notAdif },
        { "Merge",
            [&] {
                host.files.push_back(path("log.csv"));
                document.merge();
            },
            "log.csv", notAdif },
        { "Import",
            [&] {
                host.files.push_back(path("second.adi"));
                document.import();
            },
            "second.adi", "This file is ADIF formatted.\nPlease open this file directly." },
        { "Open by path", [&] { document.openPath(path("log.csv")); }, "log.csv", notAdif },
    };
    for (const Case &c : cases) {
        writeFile(path("log.adi"), log1);
        openLog();
        const std::string refusedBefore = fileContents(path(c.refused));
        host.takeMessages();
        c.run();
        EXPECT_EQ(host.takeMessages(), (Texts { c.message })) << c.command;
        EXPECT_EQ(document.currentPath(), path("log.adi")) << c.command;
        EXPECT_EQ(host.title, "Quillog - " + path("log.adi")) << c.command;
        EXPECT_FALSE(document.needsNewName()) << c.command;
        edit();
        document.save();
        EXPECT_EQ(fileContents(path(c.refused)), refusedBefore) << c.command;
        EXPECT_NE(fileContents(path("log.adi")).find("EDITED"), std::string::npos) << c.command;
    }
}

TEST_F(DocumentTest, YesToTheQuestionSavesAndGoesOnOnlyWhenTheSaveSucceeded)
{
    writeFile(path("other.adx"),
        "<?xml version=\"1.0\"?>\n<ADX><HEADER></HEADER><RECORDS><RECORD><CALL>W1AW</CALL></RECORD>"
        "</RECORDS></ADX>\n");
    struct Case {
        const char *command;
        std::function<void()> run;
        const char *next; // the file the command goes on to load
    };
    const Case cases[] = {
        { "Open", [&] { openLog("other.adi"); }, "other.adi" },
        { "Open by path", [&] { document.openPath(path("other.adi")); }, "other.adi" },
        { "Import",
            [&] {
                host.files.push_back(path("other.adx"));
                document.import();
            },
            "other.adx" },
    };
    for (const Case &c : cases) {
        writeFile(path("log.adi"), log1);
        host.answers = { Answer::No }; // drops what the last case left unsaved
        openLog();
        edit();
        host.answers = { Answer::Yes };
        c.run();
        EXPECT_NE(fileContents(path("log.adi")).find("EDITED"), std::string::npos) << c.command;
        EXPECT_EQ(document.currentPath(), path(c.next)) << c.command << ": the command goes on";
        EXPECT_EQ(cell(document.table(), 1, "CALL"), "W1AW") << c.command;

        // A save that cannot write stops the command, and the edits stay.
        openLog();
        edit();
        fs::permissions(path("log.adi"), fs::perms::owner_read);
        host.answers = { Answer::Yes };
        host.files.clear();
        c.run();
        fs::permissions(path("log.adi"), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(document.currentPath(), path("log.adi")) << c.command << ": a failed save stops it";
        EXPECT_EQ(cell(document.table(), 1, "CALL"), "EDITED") << c.command;
        EXPECT_TRUE(document.isModified()) << c.command;
        host.files.clear();
        host.takeMessages();
    }
}

TEST_F(DocumentTest, YesStopsWhenTheSaveLeavesQsosUnsaved)
{
    writeFile(path("bad.adi"),
        log1 + "<CALL:2>AB <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n");
    openLog("bad.adi");
    edit();
    host.answers = { Answer::Yes, Answer::No }; // save, then do not show the report
    openLog("other.adi");
    EXPECT_EQ(document.currentPath(), path("bad.adi")) << "the rejected QSO would be lost";
    EXPECT_TRUE(document.isModified());

    // A log that needs a name: cancelling the save dialog stops the command.
    host.files.clear();
    host.files.push_back(path("other.adi"));
    document.merge();
    host.answers = { Answer::Yes };
    host.files.push_back(std::nullopt);
    document.openPath(path("log.adi"));
    EXPECT_EQ(document.currentPath(), path("bad.adi"));
    EXPECT_EQ(document.table().qsoCount(), 4);
}

TEST_F(DocumentTest, OpenAsksBeforeDroppingUnsavedEdits)
{
    openLog();
    edit();
    host.answers = { Answer::Cancel };
    openLog("other.adi");
    EXPECT_EQ(host.takeMessages(), (Texts { reloadQuestion }));
    EXPECT_EQ(cell(document.table(), 1, "CALL"), "EDITED");
    host.files.clear();

    host.answers = { Answer::No };
    openLog("other.adi");
    EXPECT_EQ(cell(document.table(), 1, "CALL"), "W1AW");
}

TEST_F(DocumentTest, ABusyWorkerRefusesEveryCommand)
{
    openLog();
    host.duringWorker = [&](Progress &) { document.saveAs(); };
    document.reload();
    EXPECT_EQ(host.takeMessages(), (Texts { "Current thread is still running.\nPlease wait..." }));
}

TEST_F(DocumentTest, ReloadOfAModifiedLog)
{
    openLog();
    edit();
    host.answers = { Answer::Yes };
    document.reload();
    EXPECT_EQ(cell(document.table(), 1, "CALL"), "EDITED") << "Yes saves and does not reload";
    EXPECT_FALSE(document.isModified());
    EXPECT_NE(fileContents(path("log.adi")).find("<CALL:6>EDITED"), std::string::npos);

    edit();
    host.answers = { Answer::No };
    document.reload();
    EXPECT_EQ(cell(document.table(), 1, "CALL"), "EDITED") << "the saved file is read again";
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, OpenByPathOfAMissingFile)
{
    openLog("other.adi");
    openLog();
    fs::remove(path("other.adi"));
    document.openRecent(RecentFiles::firstCommandId);
    EXPECT_EQ(host.takeMessages(), (Texts { "The selected file does not exist." }));
    EXPECT_EQ(document.recentFiles().paths(), (Texts { path("log.adi") }));
    document.openPath(folder.string());
    EXPECT_EQ(host.takeMessages(), (Texts { "The selected file does not exist." })) << "a folder is no log";
}

TEST_F(DocumentTest, SaveWarnsAboutMissingColumnsAndEmptyTables)
{
    host.files.push_back(path("new.adi"));
    document.saveAs();
    EXPECT_EQ(host.takeMessages(),
        (Texts { "In order to save ADIF log correctly, you need to enter all required column names (CALL, "
                 "QSO_DATE, "
                 "etc)." }))
        << "the empty start grid has no names";
    document.table().setRowCount(0);
    document.saveAs();
    EXPECT_EQ(host.takeMessages(), (Texts { "Nothing to save." }));
}

TEST_F(DocumentTest, SaveAsOfAnOpenedLogWritesACopy)
{
    openLog();
    edit();
    host.files.push_back(path("copy.adi"));
    document.saveAs();
    EXPECT_EQ(host.dialogs.back().title, "Save ADIF File");
    EXPECT_EQ(host.dialogs.back().defaultExtension, "adi");
    EXPECT_EQ(document.currentPath(), path("log.adi"));
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi"));
    EXPECT_FALSE(document.isModified());
    EXPECT_NE(fileContents(path("copy.adi")).find("<CALL:6>EDITED"), std::string::npos);
}

TEST_F(DocumentTest, AfterAMergeSaveAsksForANameOnce)
{
    openLog();
    host.files.push_back(path("other.adi"));
    document.merge();
    EXPECT_EQ(document.table().qsoCount(), 3);
    EXPECT_TRUE(document.needsNewName());
    EXPECT_FALSE(document.canReload());
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi")) << "the title stays";

    host.files.push_back(path("merged.adi"));
    document.save();
    EXPECT_EQ(host.dialogs.back().title, "Save ADIF File");
    EXPECT_EQ(document.currentPath(), path("merged.adi"));
    EXPECT_EQ(host.title, "Quillog - " + path("merged.adi"));
    EXPECT_TRUE(document.canReload());
    const std::size_t dialogs = host.dialogs.size();
    edit();
    document.save();
    EXPECT_EQ(host.dialogs.size(), dialogs) << "an ordinary save asks nothing";
}

TEST_F(DocumentTest, SavingSelectedRowsLeavesTheLogUnsaved)
{
    openLog();
    edit();
    document.table().setSelection({ { 1, 1, 1, 1 } });
    host.files.push_back(path("one.adi"));
    document.saveSelected();
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(host.takeMessages(), (Texts {}));
    const std::string one = fileContents(path("one.adi"));
    EXPECT_NE(one.find("EDITED"), std::string::npos);
    EXPECT_EQ(one.find("K1AB"), std::string::npos);
}

TEST_F(DocumentTest, CloseOfAModifiedLog)
{
    openLog();
    edit();
    host.answers = { Answer::Cancel };
    EXPECT_FALSE(document.close());
    host.answers = { Answer::Yes };
    EXPECT_FALSE(document.close()) << "Yes saves and keeps the window open";
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(document.close()) << "a second close asks nothing";
    edit();
    host.answers = { Answer::No };
    EXPECT_TRUE(document.close());
    EXPECT_EQ(host.takeMessages(), (Texts { closeQuestion, closeQuestion, closeQuestion }));
}

TEST_F(DocumentTest, ASaveThatCannotWriteKeepsTheLogModified)
{
    openLog();
    edit();
    fs::permissions(path("log.adi"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    host.answers = { Answer::Yes };
    EXPECT_FALSE(document.close());
    EXPECT_TRUE(document.isModified()) << "a second close must still ask";
    EXPECT_EQ(host.takeMessages().back(),
        "Quillog cannot access the file because it is being used by another application.\n"
        "The file is read-only.");
    EXPECT_EQ(fileContents(path("log.adi")), log1);
}

TEST_F(DocumentTest, RejectedRecordsAreReportedAndTheReportCanBeOpened)
{
    writeFile(path("bad.adi"),
        log1 + "<CALL:2>AB <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n");
    openLog("bad.adi");
    edit();
    host.answers = { Answer::Yes };
    document.save();
    EXPECT_EQ(host.takeMessages(),
        (Texts { "Saved ADIF entries: 2\t\nErrors: 1\t\t\t\n\nDo you want to see the log?" }));
    EXPECT_EQ(host.opened, (Texts { path("bad.adi") + ".log" }));
}

TEST_F(DocumentTest, ASaveThatRejectsQsosLeavesTheLogModified)
{
    writeFile(path("bad.adi"),
        log1 + "<CALL:2>AB <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n");
    openLog("bad.adi");
    edit();
    host.answers = { Answer::No };
    document.save();
    EXPECT_TRUE(document.isModified()) << "the rejected QSO is only in the grid";
    EXPECT_TRUE(document.canSave());
    EXPECT_EQ(document.table().qsoCount(), 3);
    host.takeMessages();
    host.answers = { Answer::Cancel };
    EXPECT_FALSE(document.close());
    EXPECT_EQ(host.takeMessages(), (Texts { closeQuestion }));

    // Once the QSO is mended, the save takes everything and the log is saved.
    document.table().setText(3, document.table().findColumn("CALL"), "AB1XYZ");
    document.save();
    EXPECT_FALSE(document.isModified());
    EXPECT_TRUE(document.close());
}

TEST_F(DocumentTest, StoppingALoadKeepsOnlyTheRowsReadAndTheFileFromBeingOverwritten)
{
    std::string big;
    for (int i = 0; i < 50; ++i)
        big += "<CALL:4>AB1C <QSO_DATE:8>20240301 <EOR>\n";
    writeFile(path("big.adi"), big);
    host.stopAfterQuestions = 50 + 10; // the first pass asks once a record, the second stops early
    openLog("big.adi");
    EXPECT_TRUE(document.isLogOpen());
    EXPECT_TRUE(document.needsNewName());
    EXPECT_EQ(host.takeMessages(),
        (Texts { "Reading was stopped after 11 of 50 QSOs.\nSaving will ask for a new file name, so that the "
                 "file is not overwritten." }));
    EXPECT_EQ(document.table().qsoCount(), 11);
    EXPECT_EQ(host.status[2], "   QSOs: 11");
    EXPECT_EQ(cell(document.table(), 11, "CALL"), "AB1C");
}

TEST_F(DocumentTest, ImportSendsAdifToOpen)
{
    host.files.push_back(path("log.adi"));
    document.import();
    EXPECT_EQ(
        host.takeMessages(), (Texts { "This file is ADIF formatted.\nPlease open this file directly." }));
    EXPECT_EQ(host.dialogs.back().title, "Import Log Files");
}

TEST(DocumentStart, SaysWhenTheTemplateResourceIsMissing)
{
    ScriptedHost host;
    MemoryKeyValueStore store;
    Document document(host, store, "/nonexistent", freshFolder("document-start").string());
    document.start();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, BoxKind::Error);
    EXPECT_EQ(host.messages[0].text, kTemplatesMissingMessage);
}

TEST_F(DocumentTest, ImportsAdxAndSavesByTheExtension)
{
    openLog();
    host.files.push_back(path("log.adx"));
    document.saveAs();
    EXPECT_EQ(
        fileContents(path("log.adx")).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ADX>", 0), 0u);
    host.files.push_back(path("log.adx"));
    document.import();
    EXPECT_TRUE(host.takeMessages().empty());
    EXPECT_EQ(document.table().qsoCount(), 2);
    EXPECT_EQ(host.title, "Quillog - " + path("log.adx"));
    EXPECT_TRUE(document.needsNewName());
}

TEST_F(DocumentTest, CheckMarksInvalidQsosAndStepsThroughThem)
{
    writeFile(path("bad.adi"),
        log1 + "<CALL:2>AB <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n" + log1);
    openLog("bad.adi");
    EXPECT_FALSE(document.canStepThroughInvalid());
    document.check();
    EXPECT_EQ(host.takeMessages(),
        (Texts {
            "There is at least one error in the log.\n\nCells with incorrect values are highlighted with a "
            "special color." }));
    EXPECT_TRUE(document.canStepThroughInvalid());
    EXPECT_EQ(document.nextInvalidQso(), 3);
    EXPECT_EQ(document.nextInvalidQso(), 3) << "no further failed row: the cursor stays";
    EXPECT_EQ(document.previousInvalidQso(), 3);
    EXPECT_FALSE(document.isModified()) << "the check only colours";

    openLog();
    document.check();
    EXPECT_EQ(host.takeMessages(), (Texts { "Check process completed successfully." }));
    EXPECT_FALSE(document.canStepThroughInvalid());
}

TEST_F(DocumentTest, CheckTakesADecimalCommaInFreqWhenTheOperatorWritesOne)
{
    writeFile(path("comma.adi"),
        "<CALL:4>AB1C <QSO_DATE:8>20240301 <TIME_ON:4>1200 <FREQ:6>14,074 <MODE:2>CW <EOR>\n");
    for (const bool comma : { false, true }) {
        store.writeInteger(settingNames::useCommaFreq, comma ? 1 : 0);
        document.reloadSettings();
        openLog("comma.adi");
        document.check();
        EXPECT_EQ(document.canStepThroughInvalid(), !comma) << comma;
        host.takeMessages();
    }
}

TEST_F(DocumentTest, ValidateMarksTheFindingsAndStepsThroughThem)
{
    EXPECT_FALSE(document.validate(*findValidationProfile("adif"))) << "no log open";
    writeFile(path("bad.adi"),
        log1 + "<CALL:4>K1AB <QSO_DATE:8>20240302 <TIME_ON:4>1300 <BAND:3>40m <MODE:3>SSB <CQZ:2>41 <EOR>\n");
    openLog("bad.adi");
    const auto report = document.validate(*findValidationProfile("adif"));
    ASSERT_TRUE(report);
    ASSERT_EQ(report->findings.size(), 1u);
    EXPECT_EQ(report->findings[0].message, "CQZ 41 is out of range 1–40");
    EXPECT_EQ(host.status[0], "1 error and 0 warnings in 1 of 3 QSOs (profile adif).");
    EXPECT_TRUE(host.takeMessages().empty());
    EXPECT_TRUE(document.canStepThroughInvalid());
    EXPECT_EQ(document.nextInvalidQso(), 3);
    EXPECT_EQ(document.table().backgroundColour(3, report->findings[0].column),
        document.settings().grid.markedColour);
    EXPECT_FALSE(document.isModified());
}

TEST(DocumentValidate, RefusesWithoutTheAdifTables)
{
    ScriptedHost host;
    MemoryKeyValueStore store;
    const fs::path folder = freshFolder("document-validate");
    Document document(host, store, "/nonexistent", folder.string());
    document.start();
    writeFile(folder / "log.adi", log1);
    host.files.push_back((folder / "log.adi").string());
    document.open();
    host.takeMessages();
    EXPECT_FALSE(document.validate(*findValidationProfile("lotw")));
    EXPECT_EQ(host.takeMessages(), (Texts { std::string(kTemplatesMissingMessage) }));
    EXPECT_FALSE(document.canStepThroughInvalid());
}

TEST_F(DocumentTest, AFileTheTypeTestCannotReadIsReportedAndNotLoaded)
{
    const std::string pipe = path("pipe.adi");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    host.files.push_back(pipe);
    document.open();
    EXPECT_EQ(host.takeMessages(), (Texts { "Can't open selected file.", notAdif }));
    EXPECT_FALSE(document.isLogOpen());
}

TEST_F(DocumentTest, AMergeThatFindsNothingLeavesTheLogAsItWas)
{
    openLog();
    edit();
    host.files.push_back(path("empty.adi"));
    document.merge();
    EXPECT_EQ(host.takeMessages(), (Texts { "No valid entries found." }));
    EXPECT_TRUE(document.isLogOpen());
    EXPECT_EQ(document.table().qsoCount(), 2);
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi"));
    EXPECT_TRUE(document.isModified()) << "the edit is still unsaved";
    EXPECT_TRUE(document.journal().canUndo());
    EXPECT_FALSE(document.needsNewName());
}

TEST_F(DocumentTest, AMergeLeavesTheLogModified)
{
    writeFile(
        path("more.adi"), "<CALL:4>W1AW <QSO_DATE:8>20240303 <TIME_ON:4>1400 <BAND:3>20m <MODE:2>CW <EOR>\n");
    for (const bool editedBefore : { false, true }) {
        openLog();
        if (editedBefore)
            edit();
        host.files.push_back(path("more.adi"));
        document.merge();
        EXPECT_TRUE(document.isModified()) << editedBefore;
        EXPECT_TRUE(document.canSave()) << editedBefore;
        EXPECT_EQ(cell(document.table(), 1, "CALL"), editedBefore ? "EDITED" : "AB1C");
        host.answers = { Answer::Cancel };
        EXPECT_FALSE(document.close()) << editedBefore << ": Exit asks";
        EXPECT_EQ(host.takeMessages(), (Texts { closeQuestion }));

        host.files.push_back(path("merged.adi"));
        document.save();
        EXPECT_FALSE(document.isModified()) << editedBefore;
        EXPECT_NE(fileContents(path("merged.adi")).find("W1AW"), std::string::npos);
    }
}

TEST_F(DocumentTest, DialogsStartAtTheOpenLog)
{
    document.open();
    EXPECT_EQ(host.dialogs.back().startPath, "") << "no log yet: the host chooses";
    openLog();
    writeFile(path("log.adx"),
        "<?xml version=\"1.0\"?>\n<ADX><RECORDS><RECORD><CALL>W1AW</CALL></RECORD></RECORDS></ADX>\n");
    struct Case {
        const char *dialog;
        std::function<void()> run;
        std::string startPath;
    };
    const Case cases[] = {
        { "Open", [&] { document.open(); }, folder.string() },
        { "Merge", [&] { document.merge(); }, folder.string() },
        { "Import", [&] { document.import(); }, folder.string() },
        { "Save As", [&] { document.saveAs(); }, path("log.adi") },
    };
    for (const Case &c : cases) {
        c.run();
        EXPECT_EQ(host.dialogs.back().startPath, c.startPath) << c.dialog;
    }
    host.files.push_back(path("log.adx"));
    document.import();
    document.saveAs();
    EXPECT_EQ(host.dialogs.back().startPath, path("log.adx")) << "an ADX log keeps its name";
    host.takeMessages();
}

TEST_F(DocumentTest, PathsAreAbsoluteAndListedOnce)
{
    const fs::path before = fs::current_path();
    fs::create_directories(folder / "sub");
    fs::current_path(folder / "sub");
    document.openPath("../log.adi");
    document.openPath("./.././log.adi");
    fs::current_path(before);
    EXPECT_EQ(document.currentPath(), path("log.adi"));
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi"));
    openLog();
    EXPECT_EQ(document.recentFiles().paths(), (Texts { path("log.adi") }));
}

TEST_F(DocumentTest, AFileThatVanishedAfterTheDialogIsSaidToBeMissing)
{
    openLog();
    host.files.push_back(path("gone.adi"));
    document.open();
    EXPECT_EQ(host.takeMessages(), (Texts { "The selected file does not exist." }));
    EXPECT_EQ(document.table().qsoCount(), 2) << "the open log stays";
}

// A reader, writer or check that throws: the operator reads what failed and why, and the log, its
// title, its flags and the file on disk stay as they were.
TEST_F(DocumentTest, AWorkerThatThrowsIsReportedAndLeavesTheLogAsItWas)
{
    openLog();
    edit();
    const auto before = snapshot(document.table());
    const std::string title = host.title;
    struct Case {
        const char *command;
        std::function<void()> run;
        std::string message;
    };
    const std::vector<Case> cases = {
        { "open",
            [&] {
                host.answers.push_back(Answer::No);
                openLog("other.adi");
            },
            "Reading " + path("other.adi") + " failed: disk on fire.\nThe log was left as it was." },
        { "merge",
            [&] {
                host.files.push_back(path("other.adi"));
                document.merge();
            },
            "Reading " + path("other.adi") + " failed: disk on fire.\nThe log was left as it was." },
        { "save as",
            [&] {
                host.files.push_back(path("copy.adi"));
                document.saveAs();
            },
            "Saving " + path("copy.adi") + " failed: disk on fire.\nThe log was left as it was." },
        { "check", [&] { document.check(); },
            "The log check failed: disk on fire.\nThe log was left as it was." },
    };
    for (const Case &c : cases) {
        host.throwInWorker = "disk on fire";
        c.run();
        host.throwInWorker.clear();
        ASSERT_FALSE(host.messages.empty()) << c.command;
        EXPECT_EQ(host.messages.back().kind, BoxKind::Error) << c.command;
        EXPECT_EQ(host.messages.back().text, c.message) << c.command;
        host.messages.clear();
        EXPECT_EQ(snapshot(document.table()), before) << c.command;
        EXPECT_EQ(host.title, title) << c.command;
        EXPECT_TRUE(document.isLogOpen()) << c.command;
        EXPECT_TRUE(document.isModified()) << c.command;
        EXPECT_FALSE(document.isBusy()) << c.command;
    }
    EXPECT_FALSE(fs::exists(path("copy.adi")));
    // The failed open did not make the other file the one Save writes to.
    document.save();
    EXPECT_NE(fileContents(path("log.adi")), log1);
    EXPECT_EQ(fileContents(path("other.adi")), "<CALL:4>W1AW <QSO_DATE:8>20240303 <EOR>\n");
}

TEST_F(DocumentTest, MergeDoublesASelfMergeJoinsLowerCaseTagsAndKeepsUnnamedColumns)
{
    openLog();
    host.files.push_back(path("log.adi"));
    document.merge();
    EXPECT_EQ(document.table().qsoCount(), 4);
    EXPECT_EQ(cell(document.table(), 3, "CALL"), "AB1C");

    // lower-case tags fill the upper-case columns; an unnamed and a doubled column keep their values
    LogTable &table = document.table();
    table.insertColumn("", -1);
    table.insertColumn("CALL", -1);
    table.setText(1, table.columnCount() - 2, "unnamed");
    table.setText(1, table.columnCount() - 1, "second call");
    writeFile(folder / "lower.adi", "<call:4>W1AW <band:3>80m <gridsquare:4>FN31 <eor>\n");
    host.files.push_back(path("lower.adi"));
    document.merge();
    EXPECT_EQ(document.table().qsoCount(), 5);
    EXPECT_EQ(cell(document.table(), 5, "CALL"), "W1AW");
    EXPECT_EQ(cell(document.table(), 5, "BAND"), "80m");
    EXPECT_EQ(cell(document.table(), 5, "GRIDSQUARE"), "FN31");
    EXPECT_EQ(document.table().text(1, 6), "unnamed");
    EXPECT_EQ(document.table().text(1, 7), "second call");
    EXPECT_EQ(document.table().text(5, 7), "") << "the first CALL column takes the merged call";
}

TEST_F(DocumentTest, AStoppedMergeLeavesNoEmptyRows)
{
    openLog();
    std::string many;
    for (int i = 0; i < 50; ++i)
        many += "<CALL:4>W" + std::to_string(100 + i) + " <EOR>\n";
    writeFile(folder / "many.adi", many);
    host.files.push_back(path("many.adi"));
    host.stopAfterQuestions = 60; // through the first pass, into the second
    document.merge();
    const LogTable &table = document.table();
    ASSERT_GT(table.qsoCount(), 2);
    ASSERT_LT(table.qsoCount(), 52);
    for (int row = 1; row < table.rowCount(); ++row)
        EXPECT_FALSE(cell(table, row, "CALL").empty()) << row;
}

TEST_F(DocumentTest, OpenFilteredKeepsThePassingQsosAndReadsNothingWhenTheFiltersCannotBeWritten)
{
    FilterSettings bands;
    bands.useBand = true;
    writeFile(folder / "data" / "filters.xml", "<bands>;40M;</bands>\r\n</filters>");
    host.files.push_back(path("log.adi"));
    document.openFiltered(bands);
    EXPECT_EQ(document.table().qsoCount(), 1);
    EXPECT_EQ(cell(document.table(), 1, "CALL"), "K1AB");
    EXPECT_EQ(host.title, "Quillog - " + path("log.adi"));
    EXPECT_NE(fileContents(folder / "data" / "filters.xml").find("<useband>Y</useband>"), std::string::npos);
    EXPECT_TRUE(document.needsNewName()) << "saving over the log would lose the QSOs left out";

    FilterSettings none = bands;
    writeFile(folder / "data" / "filters.xml", "<bands>;6M;</bands>\r\n</filters>");
    host.files.push_back(path("log.adi"));
    document.openFiltered(none);
    EXPECT_EQ(host.takeMessages().back(), "No valid entries found.");
    EXPECT_EQ(host.title, "Quillog");

    // a folder where filters.xml should be: the write fails, nothing is read
    fs::remove(folder / "data" / "filters.xml");
    fs::create_directories(folder / "data" / "filters.xml" / "x");
    const std::size_t dialogs = host.dialogs.size();
    document.openFiltered(bands);
    const Texts messages = host.takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("cannot"), std::string::npos);
    EXPECT_EQ(host.dialogs.size(), dialogs) << "no file is asked for";
}

TEST_F(DocumentTest, SplitAsksOnceBeforeReplacingPartsAndNotAboutTheChosenName)
{
    openLog();
    ASSERT_TRUE(document.beginSplit());
    EXPECT_EQ(
        document.splitCountProblem(3), "Please enter a valid split count less than the Total QSOs count.");
    EXPECT_EQ(document.splitCountProblem(2), "");
    host.files.push_back(path("parts.adi"));
    document.split(1);
    EXPECT_FALSE(host.dialogs.back().confirmOverwrite);
    EXPECT_TRUE(fs::exists(folder / "parts.part1.adi"));
    EXPECT_TRUE(fs::exists(folder / "parts.part2.adi"));
    EXPECT_FALSE(fs::exists(folder / "parts.adi"));
    EXPECT_TRUE(host.takeMessages().empty());

    fs::remove(folder / "parts.part1.adi");
    writeFile(folder / "parts.part2.adi", "keep me");
    host.files.push_back(path("parts.adi"));
    host.answers.push_back(Answer::No);
    document.split(1);
    const Texts asked = host.takeMessages();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_NE(asked[0].find(path("parts.part2.adi") + " already exists"), std::string::npos);
    EXPECT_EQ(fileContents(folder / "parts.part2.adi"), "keep me");
    EXPECT_FALSE(fs::exists(folder / "parts.part1.adi")) << "No writes nothing";

    host.files.push_back(path("parts.adi"));
    host.answers.push_back(Answer::Yes);
    document.split(1);
    EXPECT_NE(fileContents(folder / "parts.part2.adi").find("K1AB"), std::string::npos);
    EXPECT_EQ(document.currentPath(), path("log.adi")) << "the log keeps its path";
}

TEST_F(DocumentTest, QsosAddedToAFreshWindowAreSavedUnderANameAskedFor)
{
    document.addRecord("<CALL:4>DL1A <QSO_DATE:8>20240301 <TIME_OFF:4>1200 <BAND:3>20M <MODE:2>CW ");
    EXPECT_TRUE(document.isLogOpen());
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(document.table().qsoCount(), 1);
    EXPECT_EQ(host.status[2], "   QSOs: 1");
    host.answers.push_back(Answer::Yes);
    host.files.push_back(path("typed.adi"));
    document.close();
    EXPECT_EQ(host.dialogs.back().title, "Save ADIF File");
    EXPECT_NE(fileContents(folder / "typed.adi").find("<CALL:4>DL1A"), std::string::npos);
    EXPECT_EQ(document.currentPath(), path("typed.adi"));
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, SaveAsksBeforeOverwritingAFileChangedOnDisk)
{
    const std::string question = "The file has changed on disk since it was opened. Overwrite it?";
    const std::string appended = log1 + "<CALL:4>W1AW <QSO_DATE:8>20240304 <EOR>\n";
    openLog();
    edit();
    writeFile(path("log.adi"), appended); // a logger still writing to it
    host.answers = { Answer::No };
    document.save();
    EXPECT_EQ(host.takeMessages(), (Texts { question }));
    EXPECT_EQ(fileContents(path("log.adi")), appended);
    EXPECT_TRUE(document.isModified());

    host.answers = { Answer::Yes };
    document.save();
    EXPECT_EQ(host.takeMessages(), (Texts { question }));
    EXPECT_FALSE(document.isModified());
    EXPECT_NE(fileContents(path("log.adi")), appended);

    edit();
    document.save();
    EXPECT_TRUE(host.takeMessages().empty()) << "its own save is no change by another program";
    EXPECT_FALSE(document.isModified());
}

TEST_F(DocumentTest, LoadSaysWhatItRepairedOrSkipped)
{
    writeFile(path("cut.adi"), "<CALL:4>AB1C <EOR>\n<EOR>\n<MY CALL:4>K1AB <CALL:4>W1AW <NAME:5>Ma");
    openLog("cut.adi");
    EXPECT_EQ(document.table().qsoCount(), 2);
    EXPECT_EQ(host.takeMessages(),
        (Texts { "One value is cut short by the end of the file.\n"
                 "One tag could not be read and was skipped.\n"
                 "One record without any field was skipped.\n" }));
}

TEST_F(DocumentTest, StopWhileCollectingTagsSaysTheReadingWasStopped)
{
    host.stopAfterQuestions = 0;
    openLog();
    EXPECT_EQ(host.takeMessages(), (Texts { "Reading was stopped before any QSO was read." }));
    EXPECT_FALSE(document.isLogOpen());
}

TEST_F(DocumentTest, AnAdxSaveSaysWhatXmlCouldNotCarry)
{
    writeFile(path("bell.adi"),
        "<CALL:4>AB1C <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <COMMENT:5>bell\x07 "
        "<EOR>\n");
    openLog("bell.adi");
    host.files.push_back(path("bell.adx"));
    document.saveAs();
    const Texts messages = host.takeMessages();
    EXPECT_NE(std::find(messages.begin(), messages.end(),
                  "1 character that XML cannot carry (control characters, U+FFFE, U+FFFF) was left out of "
                  "the file."),
        messages.end());
}
