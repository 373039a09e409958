// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QSettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillog::ui
{

TEST(QSettingsStore, ValuesSurviveAFreshStoreOnTheSameFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quillog.conf"));
    {
        QSettingsStore store(path);
        EXPECT_TRUE(store.writeInteger("GridStyle", 2));
        EXPECT_TRUE(store.writeInteger("Left", -120));
        EXPECT_TRUE(store.writeInteger("GridBackColor", 0x00DCDCDC));
        EXPECT_TRUE(store.writeString("GridFont", "Arial,12,700,1"));
        EXPECT_TRUE(store.writeString("File1", "/home/op/logs/field day, 2024.adi"));
        store.sync();
    }
    const QSettingsStore store(path);
    EXPECT_EQ(store.readInteger("GridStyle"), 2);
    EXPECT_EQ(store.readInteger("Left"), -120);
    EXPECT_EQ(store.readInteger("GridBackColor"), 0x00DCDCDC);
    EXPECT_EQ(store.readString("GridFont"), "Arial,12,700,1");
    EXPECT_EQ(store.readString("File1"), "/home/op/logs/field day, 2024.adi");
}

TEST(QSettingsStore, MissingOrMistypedValuesReadAsNothing)
{
    QTemporaryDir folder;
    QSettingsStore store(folder.filePath(QStringLiteral("Quillog.conf")));
    EXPECT_FALSE(store.readInteger("UseLowerCase"));
    EXPECT_FALSE(store.readString("GridFont"));
    store.writeString("GridStyle", "flat");
    EXPECT_FALSE(store.readInteger("GridStyle"));
}

TEST(QSettingsStore, RemoveDeletesAndIsTrueForAbsentValues)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Quillog.conf"));
    QSettingsStore store(path);
    store.writeInteger("Top", 10);
    EXPECT_TRUE(store.remove("Top"));
    EXPECT_TRUE(store.remove("Bottom"));
    store.sync();
    EXPECT_FALSE(QSettingsStore(path).readInteger("Top"));
}

} // namespace quillog::ui
