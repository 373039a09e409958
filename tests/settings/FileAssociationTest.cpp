// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FileAssociation.h"

#include "TempDataHome.h"
#include "TestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace quillog;
using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

bool runNothing(const std::vector<std::string> &)
{
    return true;
}

struct CommandLog {
    std::vector<std::vector<std::string>> calls;
    CommandRunner runner()
    {
        return [this](const std::vector<std::string> &arguments) {
            calls.push_back(arguments);
            return true;
        };
    }
};

} // namespace

TEST(FileAssociation, InstallWritesTypesAndDesktopEntryUnderTheDataHome)
{
    TempDataHome home("install");
    CommandLog log;
    FileAssociation association = FileAssociation::forCurrentUser("/opt/quillog/bin/quillog", log.runner());
    EXPECT_FALSE(association.isInstalled());
    ASSERT_TRUE(association.install()) << association.errorText();

    const std::string package = fileContents(home.folder() / "mime/packages/quillog-adif.xml");
    EXPECT_NE(package.find("<mime-type type=\"text/x-quillog-adi\">"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.adi\"/>"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.adif\"/>"), std::string::npos);
    EXPECT_NE(package.find("<comment>HAM Radio ADIF file</comment>"), std::string::npos);
    const std::string desktop = fileContents(home.folder() / "applications/quillog.desktop");
    EXPECT_NE(desktop.find("\nExec=\"/opt/quillog/bin/quillog\" %f\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nMimeType=text/x-quillog-adi;text/x-quillog-adif;text/x-quillog-adx;\n"),
        std::string::npos);
    EXPECT_TRUE(association.isInstalled());

    ASSERT_EQ(log.calls.size(), 3u);
    EXPECT_EQ(log.calls[0],
        (std::vector<std::string> { "update-mime-database", (home.folder() / "mime").string() }));
    EXPECT_EQ(log.calls[2],
        (std::vector<std::string> { "xdg-mime", "default", "quillog.desktop", "text/x-quillog-adi",
            "text/x-quillog-adif", "text/x-quillog-adx" }));
}

TEST(FileAssociation, RemoveUndoesInstall)
{
    TempDataHome home("remove");
    CommandLog log;
    FileAssociation association = FileAssociation::forCurrentUser("/usr/bin/quillog", log.runner());
    ASSERT_TRUE(association.install());
    log.calls.clear();
    EXPECT_TRUE(association.remove()) << association.errorText();
    EXPECT_FALSE(association.isInstalled());
    EXPECT_FALSE(fs::exists(home.folder() / "applications/quillog.desktop"));
    EXPECT_FALSE(fs::exists(home.folder() / "mime/packages/quillog-adif.xml"));
    ASSERT_FALSE(log.calls.empty());
    EXPECT_EQ(log.calls[0][0], "update-mime-database");
    // Removing what is not there is no failure.
    EXPECT_TRUE(association.remove());
}

TEST(FileAssociation, AFailingDesktopToolIsReportedNotHidden)
{
    struct Case {
        const char *failing; // the program whose run fails ("" for none)
        bool installed, removed;
        const char *named; // the tools the message names
    };
    for (const Case &c : { Case { "", true, true, "" },
             Case { "update-mime-database", false, false, "update-mime-database failed" },
             Case { "xdg-mime", false, true, "xdg-mime failed" },
             Case { "update-desktop-database", true, true, "" } }) {
        TempDataHome home("failing-tool");
        const std::string failing = c.failing;
        FileAssociation association = FileAssociation::forCurrentUser("/usr/bin/quillog",
            [&](const std::vector<std::string> &arguments) { return arguments[0] != failing; });
        EXPECT_EQ(association.install(), c.installed) << c.failing;
        EXPECT_EQ(
            association.errorText().find(c.named) != std::string::npos && !association.errorText().empty(),
            !c.installed)
            << c.failing << ": " << association.errorText();
        EXPECT_TRUE(association.isInstalled()) << "the files are written all the same";
        EXPECT_EQ(association.remove(), c.removed) << c.failing;
    }
}

TEST(FileAssociation, TheIconJoinsTheUsersThemeAndLeavesWithTheEntry)
{
    TempDataHome home("icon");
    FileAssociation association = FileAssociation::forCurrentUser("/usr/bin/quillog", runNothing);
    association.setIconSvg("<svg/>");
    ASSERT_TRUE(association.install()) << association.errorText();
    const fs::path icon = home.folder() / "icons/hicolor/scalable/apps/quillog.svg";
    EXPECT_EQ(fileContents(icon), "<svg/>");
    EXPECT_NE(fileContents(home.folder() / "applications/quillog.desktop").find("\nIcon=quillog\n"),
        std::string::npos);
    EXPECT_TRUE(association.remove());
    EXPECT_FALSE(fs::exists(icon));
}

TEST(FileAssociation, DetectionNeedsADesktopEntryNamingOurTypes)
{
    TempDataHome home("detect");
    FileAssociation association = FileAssociation::forCurrentUser("/usr/bin/quillog", runNothing);
    ASSERT_TRUE(association.install());
    std::ofstream(home.folder() / "applications/quillog.desktop")
        << "[Desktop Entry]\nMimeType=text/plain;\n";
    EXPECT_FALSE(association.isInstalled());
    ASSERT_TRUE(association.install());
    fs::remove(home.folder() / "mime/packages/quillog-adif.xml");
    EXPECT_FALSE(association.isInstalled());
}

TEST(FileAssociation, RefusesProgramPathsADesktopEntryCannotCarry)
{
    TempDataHome home("refuse");
    for (const char *path : { "", "quillog", "/opt/quil\nlog" }) {
        FileAssociation association = FileAssociation::forCurrentUser(path, runNothing);
        EXPECT_FALSE(association.install()) << path;
        EXPECT_FALSE(association.errorText().empty());
        EXPECT_FALSE(fs::exists(home.folder() / "applications/quillog.desktop"));
    }
}

TEST(FileAssociation, FailedWriteLeavesNoHalfFileBehind)
{
    TempDataHome home("failed-write");
    // A folder where the desktop entry belongs makes the final rename fail, even for root.
    fs::create_directories(home.folder() / "applications/quillog.desktop");
    FileAssociation association = FileAssociation::forCurrentUser("/usr/bin/quillog", runNothing);
    EXPECT_FALSE(association.install());
    EXPECT_FALSE(association.errorText().empty());
    int entries = 0;
    for ([[maybe_unused]] const auto &entry : fs::directory_iterator(home.folder() / "applications"))
        ++entries;
    EXPECT_EQ(entries, 1); // no temporary file left beside it
    EXPECT_FALSE(association.isInstalled());
}

TEST(FileAssociation, DataHomeFallsBackToHome)
{
    TempDataHome home("fallback");
    setenv("XDG_DATA_HOME", "relative/path", 1);
    const char *userHome = std::getenv("HOME");
    if (!userHome || userHome[0] != '/')
        GTEST_SKIP() << "no HOME";
    EXPECT_EQ(FileAssociation::userDataHome(), std::string(userHome) + "/.local/share");
    setenv("XDG_DATA_HOME", home.folder().c_str(), 1);
    EXPECT_EQ(FileAssociation::userDataHome(), home.folder().string());
}

TEST(QuotedExecArgument, EscapesForQuotingAndForTheEntrySyntax)
{
    struct Case {
        const char *argument, *expected;
    };
    for (const Case c : { Case { "/usr/bin/quillog", R"("/usr/bin/quillog")" },
             { "/opt/my apps/quillog", R"("/opt/my apps/quillog")" }, { "/a$b", R"("/a\\$b")" },
             { "/a\"b", R"("/a\\"b")" }, { "/a`b", R"("/a\\`b")" }, { "/a\\b", R"("/a\\\\b")" },
             { "/100%/q", R"("/100%%/q")" } })
        EXPECT_EQ(quotedExecArgument(c.argument), c.expected) << c.argument;
}

TEST(FileAssociation, PerUserFilesMatchTheInstalledPackagesFiles)
{
    // The per-user entry shadows the installed one of the same name: with other types or another
    // description the two would fight over the operator's files.
    const std::string packaging = QUILLOG_PACKAGING;
    EXPECT_EQ(FileAssociation::mimePackageText(), fileContents(packaging + "/quillog.xml"));

    struct Case {
        const char *program;
        const char *execLine;
    };
    for (const Case c : { Case { "/usr/bin/quillog", "Exec=\"/usr/bin/quillog\" %f\n" },
             { "/opt/my logs/quillog", "Exec=\"/opt/my logs/quillog\" %f\n" } }) {
        std::string installed = fileContents(packaging + "/quillog.desktop");
        const std::string execLine = "Exec=quillog %f\n";
        ASSERT_NE(installed.find(execLine), std::string::npos);
        installed.replace(installed.find(execLine), execLine.size(), c.execLine);
        EXPECT_EQ(
            FileAssociation("/home/op/.local/share", c.program, runNothing).desktopEntryText(), installed)
            << c.program;
    }
}
