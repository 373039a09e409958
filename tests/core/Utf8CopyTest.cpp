// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf8Copy.h"

#include "TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

const std::string dataFolder = QUILLOG_TEST_DATA "/core/";

// Sends temporary files to a folder of the test's own.
class TemporaryFolder
{
public:
    explicit TemporaryFolder(const std::string &name)
        : m_folder(fs::temp_directory_path() / ("quillog-utf8copy-" + name))
    {
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        const char *old = std::getenv("TMPDIR");
        m_previous = old ? old : "";
        setenv("TMPDIR", m_folder.c_str(), 1);
    }
    ~TemporaryFolder()
    {
        if (m_previous.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", m_previous.c_str(), 1);
        fs::remove_all(m_folder);
    }
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    int fileCount() const
    {
        int count = 0;
        for ([[maybe_unused]] const auto &entry : fs::directory_iterator(m_folder))
            ++count;
        return count;
    }
    const fs::path &path() const { return m_folder; }

private:
    fs::path m_folder;
    std::string m_previous;
};

} // namespace

TEST(MakeUtf8Copy, CopiesEitherByteOrderWithoutTheMark)
{
    TemporaryFolder temporary("byte-order");
    const std::string expected = fileContents(dataFolder + "utf8_of_utf16.adi");
    for (const char *file : { "utf16le_bom.adi", "utf16be_bom.adi", "utf16le.adi" }) {
        const Utf8Copy copy = makeUtf8Copy(dataFolder + file);
        ASSERT_TRUE(copy.isTemporary()) << file;
        EXPECT_EQ(fs::path(copy.path()).parent_path(), temporary.path());
        EXPECT_EQ(fs::path(copy.path()).extension(), ".adi");
        // The Japanese text is longer in UTF-8 than the UTF-16 file: it must convert all the same.
        EXPECT_GT(expected.size(), fs::file_size(dataFolder + file));
        EXPECT_EQ(fileContents(copy.path()), expected) << file;
    }
    EXPECT_EQ(temporary.fileCount(), 0);
}

TEST(MakeUtf8Copy, CopiesHaveTheirOwnNamesAndGoWithTheirOwner)
{
    TemporaryFolder temporary("owner");
    Utf8Copy first = makeUtf8Copy(dataFolder + "utf16le_bom.adi");
    Utf8Copy second = makeUtf8Copy(dataFolder + "utf16le_bom.adi");
    EXPECT_NE(first.path(), second.path());
    EXPECT_EQ(temporary.fileCount(), 2);

    const std::string firstPath = first.path();
    Utf8Copy moved = std::move(first);
    EXPECT_EQ(moved.path(), firstPath);
    EXPECT_TRUE(fs::exists(firstPath));
    second.remove();
    EXPECT_TRUE(second.path().empty());
    EXPECT_EQ(temporary.fileCount(), 1);
    moved = Utf8Copy();
    EXPECT_EQ(temporary.fileCount(), 0);
}

TEST(MakeUtf8Copy, FallsBackToTheLogItself)
{
    TemporaryFolder temporary("fallback");
    const std::string empty = (temporary.path() / "empty.adi").string();
    std::ofstream(empty, std::ios::binary) << std::string("\0\0A\0", 4);
    for (const std::string &path : { dataFolder + "no-such-file.adi", empty }) {
        Utf8Copy copy = makeUtf8Copy(path);
        EXPECT_FALSE(copy.isTemporary()) << path;
        EXPECT_EQ(copy.path(), path);
        copy.remove();
        EXPECT_EQ(copy.path(), path);
    }
    EXPECT_TRUE(fs::exists(empty));
}
