// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIo.h"

#include "TestSupport.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

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

TEST(ReadFileBytes, ReadsALargeFileInSharesWithoutSeams)
{
    // Large enough to be read by several threads; every byte tells where it belongs.
    std::string text(33u << 20, '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char>((i * 7 + i / 251) % 256);
    const std::string path = (freshFolder("large") / "large.adi").string();
    writeFile(path, text);
    const FileBytes bytes = readFileBytes(path);
    ASSERT_TRUE(bytes.ok);
    EXPECT_TRUE(std::string_view(bytes.bytes.data(), bytes.bytes.size()) == text);
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

TEST(AbsolutePath, NamesTheFileFromTheRootWithoutDotSteps)
{
    const std::string here = std::filesystem::current_path().string();
    struct Case {
        std::string given, expected;
    };
    for (const Case &c : { Case { "", "" }, Case { "/a/b/../c.adi", "/a/c.adi" }, Case { "/a/./b/", "/a/b" },
             Case { "/", "/" }, Case { "log.adi", here + "/log.adi" },
             Case { "./x/../log.adi", here + "/log.adi" }, Case { "/a/R&D log.adi", "/a/R&D log.adi" } })
        EXPECT_EQ(absolutePath(c.given), c.expected) << c.given;
}

namespace
{

std::size_t entriesIn(const fs::path &folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

bool save(const std::string &target, std::string_view bytes)
{
    SafeFile file(target);
    return file.open() && file.write(bytes) && file.commit();
}

} // namespace

TEST(SafeFile, ReplacesTheFileALinkPointsToAndKeepsTheLink)
{
    const fs::path folder = freshFolder("links");
    fs::create_directories(folder / "real");
    std::ofstream(folder / "real" / "log.adi") << "old";
    fs::create_symlink("real/log.adi", folder / "relative.adi");
    fs::create_symlink(folder / "relative.adi", folder / "chain.adi");
    for (const char *link : { "relative.adi", "chain.adi" }) {
        ASSERT_TRUE(save((folder / link).string(), link)) << link;
        EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
        EXPECT_EQ(fileContents(folder / "real" / "log.adi"), link);
    }
    EXPECT_EQ(entriesIn(folder / "real"), 1u);
    EXPECT_EQ(entriesIn(folder), 3u);
    // A link to a file not made yet makes it.
    fs::create_symlink("real/new.adi", folder / "dangling.adi");
    ASSERT_TRUE(save((folder / "dangling.adi").string(), "made"));
    EXPECT_EQ(fileContents(folder / "real" / "new.adi"), "made");
}

TEST(SafeFile, RefusesToReplaceWhatIsNoRegularFile)
{
    const fs::path folder = freshFolder("special");
    const std::string fifo = (folder / "pipe.adi").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_directories(folder / "folder.adi");
    struct Case {
        std::string path;
        const char *reason;
    };
    for (const Case &c : {
             Case { "/dev/null", "The path names a device, a pipe or a socket, not a file." },
             Case { fifo, "The path names a device, a pipe or a socket, not a file." },
             Case { (folder / "folder.adi").string(), "The path names a folder, not a file." },
         }) {
        SafeFile file(c.path);
        EXPECT_FALSE(file.open()) << c.path;
        EXPECT_EQ(file.reason(), c.reason) << c.path;
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(entriesIn(folder), 2u);
}

TEST(ReadFileBytes, RefusesAPipeWithoutWaitingForAWriter)
{
    const fs::path folder = freshFolder("read-fifo");
    const std::string fifo = (folder / "pipe.adi").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const FileBytes bytes = readFileBytes(fifo);
    EXPECT_FALSE(bytes.ok);
    EXPECT_NE(bytes.message.find("not a regular file"), std::string::npos) << bytes.message;
}

TEST(SafeFile, KeepsOwnerGroupAndModeOfTheFileItReplaces)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the system's manager may give a file to another user";
    const fs::path folder = freshFolder("owner");
    const std::string target = (folder / "log.adi").string();
    std::ofstream(target) << "old";
    ASSERT_EQ(::chown(target.c_str(), 1234, 2345), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    ASSERT_TRUE(save(target, "new"));
    struct stat info {
    };
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1234u);
    EXPECT_EQ(info.st_gid, 2345u);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST(SafeFile, DoesNotReplaceAFileAnotherProgramChanged)
{
    const fs::path folder = freshFolder("changed");
    const std::string target = (folder / "live.adi").string();
    std::ofstream(target) << "<CALL:4>AB1C<EOR>\n";
    const std::optional<FileStamp> stamp = fileStamp(target);
    ASSERT_TRUE(stamp);

    SafeFile unchanged(target);
    unchanged.requireUnchanged(*stamp);
    ASSERT_TRUE(unchanged.open() && unchanged.write("rewritten"));
    ASSERT_TRUE(unchanged.commit()) << unchanged.errorText();

    const std::optional<FileStamp> rewritten = fileStamp(target);
    SafeFile file(target);
    file.requireUnchanged(*rewritten);
    ASSERT_TRUE(file.open() && file.write("mine"));
    std::ofstream(target, std::ios::app) << "<CALL:4>K1AB<EOR>\n"; // a logger appends a QSO
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(file.reason(), "The file has changed on disk since it was read.");
    EXPECT_EQ(fileContents(target), "rewritten<CALL:4>K1AB<EOR>\n");
    EXPECT_EQ(entriesIn(folder), 1u);
}

TEST(SafeFile, LeavesNoTemporaryFileWhenASignalEndsTheProgram)
{
    for (const int signal : { SIGTERM, SIGHUP, SIGINT }) {
        const fs::path folder = freshFolder(("signal-" + std::to_string(signal)).c_str());
        const std::string target = (folder / "log.adi").string();
        std::ofstream(target) << "old";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SafeFile file(target);
            if (file.open() && file.write("half"))
                ::raise(signal);
            ::_exit(3);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_EQ(entriesIn(folder), 1u) << signal;
        EXPECT_EQ(fileContents(target), "old") << signal;
    }
}

TEST(SafeFile, SavesUnderNamesAsLongAsTheSystemAllows)
{
    const fs::path folder = freshFolder("long-name");
    for (const std::size_t length : { 250u, 255u }) {
        const std::string name = std::string(length - 4, 'n') + ".adi";
        const std::string target = (folder / name).string();
        std::ofstream(target) << "old";
        ASSERT_TRUE(save(target, "new")) << length;
        EXPECT_EQ(fileContents(target), "new") << length;
    }
    EXPECT_EQ(entriesIn(folder), 2u);
}

TEST(SafeFile, SaysWhyInPlainWords)
{
    const fs::path folder = freshFolder("reasons");
    const std::string readOnly = (folder / "read-only.adi").string();
    std::ofstream(readOnly) << "old";
    fs::permissions(readOnly, fs::perms::owner_read);
    struct Case {
        std::string path;
        const char *reason;
    };
    for (const Case &c : {
             Case { (folder / "missing" / "log.adi").string(), "The folder does not exist." },
             Case { readOnly, "The file is read-only." },
             Case { (folder / (std::string(300, 'n') + ".adi")).string(), "The file name is too long." },
         }) {
        SafeFile file(c.path);
        EXPECT_FALSE(file.open() && file.write("new") && file.commit()) << c.path;
        EXPECT_EQ(file.reason(), c.reason) << c.path;
    }
    EXPECT_EQ(entriesIn(folder), 1u) << "no stray file";
}

TEST(SafeFile, SaysWhenTheFileOutgrowsTheDisk)
{
    // A file size limit: the write stops short as on a full disk, with a reason of its own.
    const fs::path folder = freshFolder("full");
    const std::string target = (folder / "log.adi").string();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit {
            1024, 1024
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        SafeFile file(target);
        const bool written = file.open() && file.write(std::string(4096, 'x'));
        ::_exit(!written && file.reason() == "The file is too large for this disk." ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(entriesIn(folder), 0u);
}
