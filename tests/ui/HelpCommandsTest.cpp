// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillog::ui
{

namespace
{

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(HelpCommands, HomePageOpensTheInstalledReadmeElseTheOneBesideTheProgram)
{
    struct Case {
        const char *name;
        QStringList files; // relative to a prefix whose bin/ holds the program
        QString expected; // relative to the prefix; empty: none
    };
    const Case cases[] = {
        { "installed", { "share/doc/quillog/README.md", "bin/README.md" }, "share/doc/quillog/README.md" },
        { "build tree", { "bin/README.md" }, "bin/README.md" },
        { "neither", {}, {} },
        { "a folder of that name", { "share/doc/quillog/README.md/x" }, {} },
    };
    for (const Case &c : cases) {
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath(QStringLiteral("bin"));
        for (const QString &file : c.files)
            touch(prefix.filePath(file));
        const QString expected
            = c.expected.isEmpty() ? QString() : QFileInfo(prefix.filePath(c.expected)).canonicalFilePath();
        EXPECT_EQ(HelpCommands::documentationPath(prefix.filePath(QStringLiteral("bin"))), expected)
            << c.name;
    }
}

TEST(HelpCommands, AboutNamesTheVersionsAndTheLicenceButNoWebAddress)
{
    const QString text = HelpCommands::aboutText("3.1.7");
    EXPECT_TRUE(text.contains(QStringLiteral("ADIF version 3.1.7"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("GNU General Public License"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("http"))) << text.toStdString();
}

} // namespace quillog::ui
