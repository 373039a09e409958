// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include "settings/KeyValueStore.h"
#include "settings/SettingNames.h"

namespace quillog
{

namespace
{

void readSwitch(const KeyValueStore &store, std::string_view name, bool &flag)
{
    if (const auto value = store.readInteger(name))
        flag = *value != 0;
}

void readColour(const KeyValueStore &store, std::string_view name, Colour &colour)
{
    // Only the three colour bytes count; a stray high byte would otherwise reach the painter.
    if (const auto value = store.readInteger(name))
        colour = static_cast<Colour>(*value) & 0x00FFFFFFu;
}

} // namespace

GridStyle gridStyleFromNumber(long long number)
{
    return number >= 0 && number <= 3 ? static_cast<GridStyle>(number) : GridStyle::None;
}

GridAppearance readGridAppearance(const KeyValueStore &store)
{
    namespace names = settingNames;
    GridAppearance grid;
    readColour(store, names::gridBackColor, grid.backColour);
    readColour(store, names::gridTextColor, grid.textColour);
    readColour(store, names::gridSelectedColor, grid.selectedColour);
    readColour(store, names::gridMarkedColor, grid.markedColour);
    readColour(store, names::gridLinesColor, grid.linesColour);
    if (const auto style = store.readInteger(names::gridStyle))
        grid.style = gridStyleFromNumber(*style);
    if (auto font = store.readString(names::gridFont))
        grid.fontDescription = std::move(*font);
    readSwitch(store, names::excelScroll, grid.excelScroll);
    return grid;
}

Settings readSettings(const KeyValueStore &store)
{
    namespace names = settingNames;
    Settings settings;
    readSwitch(store, names::useLowerCase, settings.useLowerCase);
    readSwitch(store, names::useTypeIndicator, settings.useTypeIndicator);
    readSwitch(store, names::useCommaFreq, settings.useCommaFreq);
    readSwitch(store, names::doNotCheckRequired, settings.doNotCheckRequired);
    readSwitch(store, names::ignoreBracket, settings.ignoreBracket);
    readSwitch(store, names::separateQso, settings.separateQso);
    if (const auto separator = store.readInteger(names::csvSeparator))
        settings.csvSeparator = *separator != 0 ? ',' : ';';
    settings.grid = readGridAppearance(store);
    return settings;
}

} // namespace quillog
