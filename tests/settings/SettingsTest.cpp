// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include "settings/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace quillog;

TEST(ReadSettings, EmptyStoreGivesTheDefaults)
{
    const MemoryKeyValueStore store;
    const Settings settings = readSettings(store);
    EXPECT_FALSE(settings.useLowerCase || settings.useTypeIndicator || settings.useCommaFreq
        || settings.doNotCheckRequired || settings.ignoreBracket || settings.separateQso);
    EXPECT_EQ(settings.csvSeparator, ';');
    EXPECT_EQ(settings.grid.textColour, 0x00960000u); // dark blue
    EXPECT_EQ(settings.grid.backColour, 0x00DCDCDCu);
    EXPECT_EQ(settings.grid.selectedColour, 0x000080FFu);
    EXPECT_EQ(settings.grid.markedColour, 0x00C8C8FFu);
    EXPECT_EQ(settings.grid.linesColour, 0x00808080u);
    EXPECT_EQ(settings.grid.style, GridStyle::Flat);
    EXPECT_EQ(settings.grid.fontDescription, "Tahoma,8,400,0");
    EXPECT_FALSE(settings.grid.excelScroll);
}

TEST(ReadSettings, ColoursKeepRedInTheLowestByte)
{
    EXPECT_EQ(colourRed(defaultGridSelectedColour), 255);
    EXPECT_EQ(colourGreen(defaultGridSelectedColour), 128);
    EXPECT_EQ(colourBlue(defaultGridSelectedColour), 0);
    MemoryKeyValueStore store;
    store.writeInteger("GridMarkedColor", static_cast<std::int32_t>(0xFF0000FFu)); // stray high byte
    EXPECT_EQ(readSettings(store).grid.markedColour, makeColour(255, 0, 0));
}

TEST(ReadSettings, SwitchesAreOnForAnyNumberButZero)
{
    struct Case {
        const char *name;
        bool Settings::*flag;
    };
    for (const Case c : { Case { "UseLowerCase", &Settings::useLowerCase },
             { "UseTypeIndicator", &Settings::useTypeIndicator }, { "UseCommaFreq", &Settings::useCommaFreq },
             { "DoNotCheckRequired", &Settings::doNotCheckRequired },
             { "IgnoreBracket", &Settings::ignoreBracket }, { "SeparateQSO", &Settings::separateQso } }) {
        for (const std::int32_t value : { 1, 2, -1 }) {
            MemoryKeyValueStore store;
            store.writeInteger(c.name, value);
            EXPECT_TRUE(readSettings(store).*c.flag) << c.name << " = " << value;
        }
        MemoryKeyValueStore store;
        store.writeInteger(c.name, 0);
        EXPECT_FALSE(readSettings(store).*c.flag) << c.name;
    }
    MemoryKeyValueStore store;
    store.writeInteger("ExcelScroll", 1);
    EXPECT_TRUE(readSettings(store).grid.excelScroll);
    EXPECT_TRUE(readGridAppearance(store).excelScroll);
}

TEST(ReadSettings, StoredValuesReplaceDefaults)
{
    struct Case {
        std::int32_t separator;
        char expected;
    };
    for (const Case c : { Case { 0, ';' }, { 1, ',' }, { 5, ',' }, { -1, ',' } }) {
        MemoryKeyValueStore store;
        store.writeInteger("CSVSeparator", c.separator);
        EXPECT_EQ(readSettings(store).csvSeparator, c.expected) << c.separator;
    }
    struct StyleCase {
        std::int32_t stored;
        GridStyle expected;
    };
    for (const StyleCase c :
        { StyleCase { 0, GridStyle::None }, { 2, GridStyle::Inset }, { 3, GridStyle::Raised },
            { 4, GridStyle::None }, { 7, GridStyle::None }, { -1, GridStyle::None } }) {
        MemoryKeyValueStore store;
        store.writeInteger("GridStyle", c.stored);
        EXPECT_EQ(readSettings(store).grid.style, c.expected) << c.stored;
    }
    MemoryKeyValueStore store;
    store.writeString("GridFont", "Arial,12,700,1");
    store.writeInteger("GridTextColor", 0x00112233);
    EXPECT_EQ(readSettings(store).grid.fontDescription, "Arial,12,700,1");
    EXPECT_EQ(readSettings(store).grid.textColour, 0x00112233u);
}

TEST(ReadSettings, ValueOfTheWrongKindKeepsTheDefault)
{
    MemoryKeyValueStore store;
    store.writeString("GridStyle", "3");
    store.writeString("UseLowerCase", "1");
    store.writeInteger("GridFont", 12);
    const Settings settings = readSettings(store);
    EXPECT_EQ(settings.grid.style, GridStyle::Flat);
    EXPECT_FALSE(settings.useLowerCase);
    EXPECT_EQ(settings.grid.fontDescription, "Tahoma,8,400,0");
}
