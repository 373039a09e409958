// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/OptionsModel.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quillog::ui
{

/// "Options": shows the model's values, lets the operator change them and hands them back on OK.
/// Writing them is the caller's business (OptionsModel::accept).
class OptionsDialog : public QDialog
{
    Q_OBJECT

public:
    OptionsDialog(OptionsModel &model, QWidget *parent = nullptr);

    /// Takes the controls' state into the model (done by OK before the dialog closes).
    void storeValues();
    QPushButton *swatchButton(int swatch) const { return m_swatches.at(static_cast<std::size_t>(swatch)); }

private:
    QWidget *buildAdifGroup();
    QWidget *buildSeparatorGroup();
    QWidget *buildVisualGroup();
    QWidget *buildFontGroup();
    void showValues();
    void showSwatch(int swatch);
    void chooseColour(int swatch);
    void chooseFont();
    void restoreDefaults();

    OptionsModel &m_model;
    std::array<QCheckBox *, OptionValues::SwitchCount> m_switches {};
    std::array<QPushButton *, OptionValues::SwatchCount> m_swatches {};
    QRadioButton *m_semicolon = nullptr;
    QRadioButton *m_comma = nullptr;
    QComboBox *m_style = nullptr;
    QLabel *m_sample = nullptr;
    QCheckBox *m_associate = nullptr;
};

} // namespace quillog::ui
