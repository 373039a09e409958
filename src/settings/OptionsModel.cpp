// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OptionsModel.h"

#include "settings/FileAssociation.h"
#include "settings/KeyValueStore.h"
#include "settings/SettingNames.h"

namespace quillog
{

namespace
{

namespace names = settingNames;

// Value names in the order of OptionValues::Switch and OptionValues::Swatch.
constexpr std::array<std::string_view, OptionValues::SwitchCount> switchNames { names::useLowerCase,
    names::useTypeIndicator, names::useCommaFreq, names::doNotCheckRequired, names::ignoreBracket,
    names::excelScroll, names::separateQso };
constexpr std::array<std::string_view, OptionValues::SwatchCount> colourNames { names::gridBackColor,
    names::gridTextColor, names::gridSelectedColor, names::gridMarkedColor, names::gridLinesColor };

} // namespace

OptionsModel::OptionsModel(const KeyValueStore &store, bool associated)
    : m_associatedAtOpening(associated)
{
    m_values.associate = associated;
    const GridAppearance grid = readGridAppearance(store);
    m_values.colours
        = { grid.backColour, grid.textColour, grid.selectedColour, grid.markedColour, grid.linesColour };
    m_values.style = grid.style;
    m_values.fontDescription = grid.fontDescription;
    for (std::size_t i = 0; i < switchNames.size(); ++i) {
        if (const auto value = store.readInteger(switchNames[i]))
            m_values.switches[i] = *value != 0;
    }
    // Any stored number but 0 means a comma wherever the separator is used, so the dialog shows it so.
    if (const auto separator = store.readInteger(names::csvSeparator))
        m_values.csvSeparator = *separator != 0 ? 1 : 0;
}

void OptionsModel::restoreDefaults()
{
    const bool associate = m_values.associate;
    m_values = OptionValues();
    m_values.associate = associate;
}

OptionsAccepted OptionsModel::accept(KeyValueStore &store, FileAssociation &association) const
{
    OptionsAccepted result;
    bool written = true;
    for (std::size_t i = 0; i < colourNames.size(); ++i)
        written
            &= store.writeInteger(colourNames[i], static_cast<std::int32_t>(m_values.colours[i] & 0xFFFFFFu));
    written &= store.writeInteger(names::gridStyle, static_cast<std::int32_t>(m_values.style));
    for (std::size_t i = 0; i < switchNames.size(); ++i)
        written &= store.writeInteger(switchNames[i], m_values.switches[i] ? 1 : 0);
    written &= store.writeInteger(names::csvSeparator, m_values.csvSeparator != 0 ? 1 : 0);
    written &= store.writeString(names::gridFont, m_values.fontDescription);
    result.written = written;

    if (m_values.associate != m_associatedAtOpening) {
        result.message = std::string(associationHint);
        result.associationDone = m_values.associate ? association.install() : association.remove();
        if (!result.associationDone)
            result.associationError = association.errorText();
    }
    return result;
}

} // namespace quillog
