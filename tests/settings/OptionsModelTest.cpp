// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionsModel.h"

#include "TempDataHome.h"
#include "settings/FileAssociation.h"
#include "settings/MemoryKeyValueStore.h"

#include <gtest/gtest.h>

using namespace quillog;

namespace
{

FileAssociation quietAssociation()
{
    return FileAssociation::forCurrentUser(
        "/usr/bin/quillog", [](const std::vector<std::string> &) { return true; });
}

} // namespace

TEST(OptionsModel, OpeningShowsStoredValuesOverDefaults)
{
    MemoryKeyValueStore store;
    const OptionsModel fresh(store, false);
    EXPECT_EQ(fresh.values(), OptionValues());

    store.writeInteger("GridStyle", 7);
    store.writeInteger("CSVSeparator", 5);
    store.writeInteger("IgnoreBracket", 1);
    store.writeInteger("ExcelScroll", 3);
    store.writeInteger("GridLinesColor", 0x00010203);
    store.writeString("GridFont", "Arial,12,700,1");
    const OptionsModel model(store, true);
    EXPECT_EQ(model.values().style, GridStyle::None);
    EXPECT_EQ(model.values().csvSeparator, 1);
    EXPECT_TRUE(model.values().switches[OptionValues::IgnoreBracket]);
    EXPECT_TRUE(model.values().switches[OptionValues::ExcelScroll]);
    EXPECT_FALSE(model.values().switches[OptionValues::UseLowerCase]);
    EXPECT_EQ(model.values().colours[OptionValues::GridLines], 0x00010203u);
    EXPECT_EQ(model.values().colours[OptionValues::GridText], defaultGridTextColour);
    EXPECT_EQ(model.values().fontDescription, "Arial,12,700,1");
    EXPECT_TRUE(model.values().associate);
}

TEST(OptionsModel, DefaultResetsEverythingButTheAssociationBox)
{
    MemoryKeyValueStore store;
    OptionsModel model(store, false);
    OptionValues &values = model.values();
    values.switches.fill(true);
    values.csvSeparator = 1;
    values.colours.fill(makeColour(1, 2, 3));
    values.style = GridStyle::Raised;
    values.fontDescription = "Arial,12,700,1";
    values.associate = true;
    model.restoreDefaults();
    OptionValues expected;
    expected.associate = true;
    EXPECT_EQ(model.values(), expected);
    EXPECT_EQ(store.size(), 0u); // nothing is written before OK
}

TEST(OptionsModel, OkWritesEveryOptionSoThatReadSettingsSeesIt)
{
    TempDataHome home("options-ok");
    MemoryKeyValueStore store;
    OptionsModel model(store, false);
    OptionValues &values = model.values();
    values.switches[OptionValues::UseCommaFreq] = true;
    values.switches[OptionValues::SeparateQso] = true;
    values.csvSeparator = 1;
    values.colours[OptionValues::MarkedCell] = makeColour(10, 20, 30);
    values.style = GridStyle::Inset;
    values.fontDescription = "DejaVu Sans,10,400,0";
    FileAssociation association = quietAssociation();
    const OptionsAccepted accepted = model.accept(store, association);
    EXPECT_TRUE(accepted.written);
    EXPECT_TRUE(accepted.message.empty());
    EXPECT_EQ(store.size(), 15u);
    EXPECT_EQ(store.readInteger("UseCommaFreq"), 1);
    EXPECT_EQ(store.readInteger("UseLowerCase"), 0);
    EXPECT_EQ(store.readInteger("GridStyle"), 2);

    const Settings settings = readSettings(store);
    EXPECT_TRUE(settings.useCommaFreq);
    EXPECT_TRUE(settings.separateQso);
    EXPECT_FALSE(settings.useLowerCase);
    EXPECT_EQ(settings.csvSeparator, ',');
    EXPECT_EQ(settings.grid.markedColour, makeColour(10, 20, 30));
    EXPECT_EQ(settings.grid.style, GridStyle::Inset);
    EXPECT_EQ(settings.grid.fontDescription, "DejaVu Sans,10,400,0");
    EXPECT_EQ(OptionsModel(store, false).values(), model.values());
}

TEST(OptionsModel, ChangedAssociationBoxShowsTheHintAndAppliesIt)
{
    TempDataHome home("options-association");
    MemoryKeyValueStore store;
    FileAssociation association = quietAssociation();

    OptionsModel model(store, association.isInstalled());
    model.values().associate = true;
    OptionsAccepted accepted = model.accept(store, association);
    EXPECT_EQ(accepted.message,
        "The association of ADIF files (*.adi, *.adif) with Quillog is changed for your user account only.");
    EXPECT_TRUE(accepted.associationDone);
    EXPECT_TRUE(association.isInstalled());

    OptionsModel unchanged(store, association.isInstalled());
    EXPECT_TRUE(unchanged.values().associate);
    EXPECT_TRUE(unchanged.accept(store, association).message.empty());
    EXPECT_TRUE(association.isInstalled());

    OptionsModel removing(store, true);
    removing.values().associate = false;
    accepted = removing.accept(store, association);
    EXPECT_FALSE(accepted.message.empty());
    EXPECT_FALSE(association.isInstalled());

    // A desktop entry that cannot be written: the failure comes back with its reason.
    std::filesystem::create_directories(home.folder() / "applications/quillog.desktop");
    OptionsModel failing(store, false);
    failing.values().associate = true;
    accepted = failing.accept(store, association);
    EXPECT_FALSE(accepted.associationDone);
    EXPECT_FALSE(accepted.associationError.empty());
}

TEST(OptionsModel, StoreThatCannotBeWrittenIsReportedButStillAccepted)
{
    TempDataHome home("options-readonly");
    MemoryKeyValueStore store;
    store.writeInteger("GridStyle", 3);
    store.setReadOnly(true);
    OptionsModel model(store, false);
    model.values().style = GridStyle::None;
    FileAssociation association = quietAssociation();
    EXPECT_FALSE(model.accept(store, association).written);
    EXPECT_EQ(readSettings(store).grid.style, GridStyle::Raised);
}
