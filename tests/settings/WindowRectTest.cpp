// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowRect.h"

#include "settings/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace quillog;

TEST(WindowRect, SavedRectangleReadsBackIncludingNegativeCoordinates)
{
    MemoryKeyValueStore store;
    EXPECT_FALSE(readWindowRect(store));
    const WindowRect rect { -1900, 20, -100, 900 }; // on a monitor left of the primary one
    EXPECT_TRUE(saveWindowRect(store, rect));
    EXPECT_EQ(store.readInteger("Left"), -1900);
    EXPECT_EQ(store.readInteger("Bottom"), 900);
    EXPECT_EQ(readWindowRect(store), rect);
    resetWindowRect(store);
    EXPECT_FALSE(readWindowRect(store));
    EXPECT_EQ(store.size(), 0u);
}

TEST(WindowRect, AppliedOnlyWhenAllFourValuesExist)
{
    for (const char *missing : { "Left", "Top", "Right", "Bottom" }) {
        MemoryKeyValueStore store;
        saveWindowRect(store, { 10, 20, 810, 620 });
        store.remove(missing);
        EXPECT_FALSE(readWindowRect(store)) << missing;
        store.writeString(missing, "10");
        EXPECT_FALSE(readWindowRect(store)) << missing << " stored as text";
    }
}
