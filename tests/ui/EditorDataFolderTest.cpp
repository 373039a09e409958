// SPDX-License-Identifier: GPL-3.0-or-later
// The editor and quillog-cli share the operator's data folder: a band added in the editor's list
// editor is one the command-line check accepts.
#include "ui/EditorDataFolder.h"

#include "TestSupport.h"
#include "definitions/ListEditor.h"
#include "settings/DataFolder.h"

#include <QCoreApplication>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

TEST(EditorDataFolder, IsTheFolderQuillogCliReads)
{
    const fs::path home = freshFolder("editor-data-folder");
    const char *previous = std::getenv("XDG_DATA_HOME");
    const std::string restore = previous != nullptr ? previous : "";
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    const std::string folder = ui::editorDataFolder();
    EXPECT_EQ(folder, (home / "Quillog").string());
    EXPECT_EQ(folder, dataFolder());
    EXPECT_TRUE(fs::is_directory(folder));

    const std::string templates = QCoreApplication::applicationDirPath().toStdString() + "/Templates.dat";
    ListEditor bands = ListEditor::open(ValueListKind::Bands, templates, folder);
    ASSERT_EQ(bands.add("1.2mm").outcome, AddOutcome::Added);
    ASSERT_TRUE(bands.save(folder));

    const fs::path log = home / "band.adi";
    writeFile(log, "<CALL:5>K1ABC<QSO_DATE:8>20240105<TIME_ON:4>0915<BAND:5>1.2mm<MODE:2>CW<EOR>\n");
    const std::string command = std::string(QUILLOG_CLI) + " check '" + log.string() + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0);
    if (previous != nullptr)
        setenv("XDG_DATA_HOME", restore.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}
