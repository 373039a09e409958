// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIo.h"

#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

} // namespace

TEST(SafeFile, ReplacesTheTargetOnlyOnCommit)
{
    const fs::path folder = freshFolder("commit");
    const std::string target = (folder / "log.adi").string();
    std::ofstream(target) << "old";

    {
        SafeFile file(target);
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half"));
        // abandoned without commit: the old file stays, no stray file is left behind
    }
    EXPECT_EQ(fileContents(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    SafeFile file(target);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("new\r\n"));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(fileContents(target), "new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(SafeFile, ReportsAFolderThatCannotTakeTheFile)
{
    SafeFile file("/nonexistent-folder/log.adi");
    EXPECT_FALSE(file.open());
    EXPECT_NE(file.errorText().find("/nonexistent-folder/log.adi"), std::string::npos);
}

TEST(ReadFileBytes, ReadsWholeFilesAndRefusesFolders)
{
    const fs::path folder = freshFolder("read");
    const std::string path = (folder / "a.adi").string();
    std::ofstream(path, std::ios::binary) << std::string("a\0b\r\n", 5);
    const FileBytes bytes = readFileBytes(path);
    ASSERT_TRUE(bytes.ok);
    EXPECT_EQ(std::string(bytes.bytes.data(), bytes.bytes.size()), std::string("a\0b\r\n", 5));

    EXPECT_FALSE(readFileBytes(folder.string()).ok);
    const FileBytes missing = readFileBytes((folder / "missing.adi").string());
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.message.empty());
}

TEST(SafeFile, LeavesAReadOnlyFileAlone)
{
    const fs::path folder = freshFolder("read-only");
    const std::string target = (folder / "log.adi").string();
    std::ofstream(target) << "old";
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    SafeFile file(target);
    EXPECT_FALSE(file.open());
    EXPECT_NE(file.errorText().find("read-only"), std::string::npos);
    EXPECT_EQ(fileContents(target), "old");
}
