// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RecentFiles.h"

#include "TestSupport.h"
#include "settings/MemoryKeyValueStore.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace quillog;
using Paths = std::vector<std::string>;

namespace
{

Paths storedFiles(const MemoryKeyValueStore &store)
{
    Paths paths;
    for (int number = 1; number <= 6; ++number) {
        if (const auto path = store.readString("File" + std::to_string(number)))
            paths.push_back(*path);
    }
    return paths;
}

} // namespace

TEST(RecentFiles, ReadsOldestFirstSkippingGaps)
{
    MemoryKeyValueStore store;
    store.writeString("File1", "/logs/a.adi");
    store.writeString("File3", "/logs/c.adi");
    store.writeString("File5", "/logs/e.adi");
    RecentFiles recent;
    recent.read(store);
    EXPECT_EQ(recent.paths(), (Paths { "/logs/a.adi", "/logs/c.adi", "/logs/e.adi" }));
    EXPECT_EQ(recent.pathForCommand(33000), "/logs/a.adi");
    EXPECT_EQ(recent.pathForCommand(33002), "/logs/e.adi");
    EXPECT_EQ(recent.pathForCommand(33003), "");
    EXPECT_EQ(recent.pathForCommand(32999), "");
}

TEST(RecentFiles, AddKeepsFiveOldestFirstWithoutMovingRepeats)
{
    struct Step {
        const char *added;
        bool changed;
        Paths expected;
    };
    const Step steps[] = {
        { "a", true, { "a" } },
        { "b", true, { "a", "b" } },
        { "a", false, { "a", "b" } }, // already listed: stays where it is
        { "c", true, { "a", "b", "c" } },
        { "d", true, { "a", "b", "c", "d" } },
        { "e", true, { "a", "b", "c", "d", "e" } },
        { "f", true, { "b", "c", "d", "e", "f" } }, // the sixth drops the oldest
        { "B", true, { "c", "d", "e", "f", "B" } }, // paths are compared with their case
        { "", false, { "c", "d", "e", "f", "B" } },
    };
    MemoryKeyValueStore store;
    RecentFiles recent;
    for (const Step &step : steps) {
        EXPECT_EQ(recent.add(step.added, store), step.changed) << step.added;
        EXPECT_EQ(recent.paths(), step.expected) << step.added;
        EXPECT_EQ(storedFiles(store), step.expected) << step.added;
    }
    RecentFiles reread;
    reread.read(store);
    EXPECT_EQ(reread.paths(), recent.paths());
}

TEST(RecentFiles, RemoveRewritesTheStoreWithoutLeftovers)
{
    MemoryKeyValueStore store;
    RecentFiles recent;
    for (const char *path : { "a", "b", "c" })
        recent.add(path, store);
    EXPECT_TRUE(recent.remove("b", store));
    EXPECT_FALSE(recent.remove("x", store));
    EXPECT_EQ(storedFiles(store), (Paths { "a", "c" }));
    EXPECT_FALSE(store.contains("File3"));
}

TEST(RecentFiles, ChoosingAFileThatIsGoneWarnsAndDropsIt)
{
    const auto folder = quillog::test::freshFolder("recent");
    const std::string present = (folder / "present.adi").string();
    const std::string gone = (folder / "gone.adi").string();
    std::ofstream(present) << "<EOR>";
    std::filesystem::remove(gone);

    MemoryKeyValueStore store;
    RecentFiles recent;
    recent.add(present, store);
    recent.add(gone, store);
    const RecentChoice chosen = chooseRecentFile(recent, 33000, store);
    EXPECT_EQ(chosen.path, present);
    EXPECT_TRUE(chosen.message.empty());

    const RecentChoice missing = chooseRecentFile(recent, 33001, store);
    EXPECT_TRUE(missing.path.empty());
    EXPECT_EQ(missing.message, "The selected file does not exist.");
    EXPECT_EQ(recent.paths(), (Paths { present }));
    EXPECT_EQ(storedFiles(store), (Paths { present }));
    std::filesystem::remove_all(folder);
}
