// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DataFolder.h"

#include "TempDataHome.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

TEST(DataFolder, XdgDataHomeWinsOverHome)
{
    struct Case {
        const char *xdg, *home, *folder;
    };
    for (const Case c : {
             Case { "/xdg", "/home/op", "/xdg/Quillog" },
             Case { "", "/home/op", "/home/op/.local/share/Quillog" },
             Case { nullptr, "/home/op", "/home/op/.local/share/Quillog" },
             Case { nullptr, nullptr, "./.local/share/Quillog" },
         }) {
        EXPECT_EQ(dataFolderFor(c.xdg, c.home), c.folder) << (c.xdg ? c.xdg : "null");
    }
    TempDataHome home("data-folder-env");
    EXPECT_EQ(dataFolder(), (home.folder() / "Quillog").string());
}

TEST(DataFolder, FilesOfThePreviousFolderMoveUpOnceAndNothingIsOverwritten)
{
    TempDataHome home("data-folder-move");
    const fs::path folder = home.folder() / "Quillog";
    const fs::path previous = folder / "Quillog";
    fs::create_directories(previous);
    writeFile(previous / "bands.lc", "160m\r\n2190m\r\n");
    writeFile(previous / "bandplan.xml", "old plan");
    writeFile(folder / "bandplan.xml", "current plan");

    ASSERT_TRUE(prepareDataFolder(folder.string()));
    EXPECT_EQ(fileContents(folder / "bands.lc"), "160m\r\n2190m\r\n");
    EXPECT_FALSE(fs::exists(previous / "bands.lc"));
    EXPECT_EQ(fileContents(folder / "bandplan.xml"), "current plan");
    EXPECT_EQ(fileContents(previous / "bandplan.xml"), "old plan");

    // A second start finds nothing more to move and changes nothing.
    writeFile(folder / "bands.lc", "edited since\r\n");
    EXPECT_TRUE(moveFromPreviousDataFolder(folder.string()).empty());
    EXPECT_EQ(fileContents(folder / "bands.lc"), "edited since\r\n");
}

TEST(DataFolder, AMissingFolderIsCreatedWithoutAPreviousOne)
{
    TempDataHome home("data-folder-create");
    const fs::path folder = home.folder() / "deeper" / "Quillog";
    EXPECT_TRUE(prepareDataFolder(folder.string()));
    EXPECT_TRUE(fs::is_directory(folder));
    writeFile(home.folder() / "file", "x");
    EXPECT_FALSE(prepareDataFolder((home.folder() / "file" / "Quillog").string()));
}
