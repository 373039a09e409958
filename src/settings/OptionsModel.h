// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Colour.h"
#include "settings/Settings.h"

#include <array>
#include <string>
#include <string_view>

namespace quillog
{

class FileAssociation;
class KeyValueStore;

/// What the Options dialog shows and the operator changes, in the dialog's own terms.
struct OptionValues {
    enum Switch {
        UseLowerCase,
        UseTypeIndicator,
        UseCommaFreq,
        DoNotCheckRequired,
        IgnoreBracket,
        ExcelScroll,
        SeparateQso,
        SwitchCount
    };
    enum Swatch { GridBackground, GridText, SelectedCell, MarkedCell, GridLines, SwatchCount };

    std::array<bool, SwitchCount> switches {};
    /// 0 "Semicolon [ ; ]", 1 "Comma [ , ]".
    int csvSeparator = 0;
    std::array<Colour, SwatchCount> colours { defaultGridBackColour, defaultGridTextColour,
        defaultGridSelectedColour, defaultGridMarkedColour, defaultGridLinesColour };
    GridStyle style = GridStyle::Flat;
    std::string fontDescription = std::string(defaultGridFont);
    /// "Associate ADIF (*.adi, *adif) files".
    bool associate = false;

    friend bool operator==(const OptionValues &, const OptionValues &) = default;
};

/// The outcome of OK.
struct OptionsAccepted {
    /// False when the store refused a value; the dialog closes as accepted all the same.
    bool written = false;
    /// Set when the association box was changed: the information box to show, once.
    std::string message;
    /// False when the association could not be made or removed; associationError then says why.
    bool associationDone = true;
    std::string associationError;
};

/// The Options dialog without its widgets: what it shows on opening, what "Default" resets and what
/// "OK" writes. The dialog binds its controls to values() and calls accept() on OK; Cancel just drops
/// the model.
class OptionsModel
{
public:
    /// Reads the stored options; associated tells whether the file association is in place now.
    OptionsModel(const KeyValueStore &store, bool associated);

    OptionValues &values() { return m_values; }
    const OptionValues &values() const { return m_values; }

    /// "Default": every option back to its default; the association box keeps its state.
    void restoreDefaults();
    /// "OK": writes every option, then makes or removes the association when its box was changed.
    OptionsAccepted accept(KeyValueStore &store, FileAssociation &association) const;

private:
    OptionValues m_values;
    bool m_associatedAtOpening = false;
};

/// The text shown when the association box was changed.
/// The association is made per user on Linux (no administrator rights), so the hint says so.
inline constexpr std::string_view associationHint
    = "The association of ADIF files (*.adi, *.adif) with Quillog is changed for your user account only.";

} // namespace quillog
