// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/OptionsDialog.h"

#include "ui/GridFont.h"
#include "ui/LogTableModel.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{
constexpr std::array<const char *, OptionValues::SwitchCount> switchTexts = { "Use Lower Case",
    "Use Type Indicator", "Use Comma as <FREQ> point", "Do not check required tags && errors",
    "Ignore '<' symbols in content", "Scroll by cells (MS Excel - like)", "Separate QSOs by an empty line" };
constexpr std::array<const char *, OptionValues::SwatchCount> swatchTexts
    = { "Grid Background", "Grid Text", "Selected Cell", "Marked Cell", "Grid Lines" };
} // namespace

OptionsDialog::OptionsDialog(OptionsModel &model, QWidget *parent)
    : QDialog(parent)
    , m_model(model)
{
    setWindowTitle(QStringLiteral("Options"));
    auto *layout = new QVBoxLayout(this);
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buildAdifGroup());
    left->addWidget(buildSeparatorGroup());
    auto *right = new QVBoxLayout;
    right->addWidget(buildVisualGroup());
    right->addWidget(buildFontGroup());
    columns->addLayout(left);
    columns->addLayout(right);
    layout->addLayout(columns);
    m_associate = new QCheckBox(QStringLiteral("Associate ADIF (*.adi, *adif) files"), this);
    layout->addWidget(m_associate);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *defaults = buttons->addButton(QStringLiteral("Default"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(defaults, &QPushButton::clicked, this, &OptionsDialog::restoreDefaults);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        storeValues();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    showValues();
}

QWidget *OptionsDialog::buildAdifGroup()
{
    auto *group = new QGroupBox(QStringLiteral(" ADIF Options "), this);
    auto *layout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < m_switches.size(); ++i) {
        // "&&" shows one ampersand on a check box, as the texts are written.
        m_switches[i] = new QCheckBox(QString::fromLatin1(switchTexts[i]), group);
        layout->addWidget(m_switches[i]);
    }
    return group;
}

QWidget *OptionsDialog::buildSeparatorGroup()
{
    auto *group = new QGroupBox(QStringLiteral(" Excel CSV Separator"), this);
    auto *layout = new QVBoxLayout(group);
    m_semicolon = new QRadioButton(QStringLiteral("Semicolon [ ; ]"), group);
    m_comma = new QRadioButton(QStringLiteral("Comma [ , ]"), group);
    layout->addWidget(m_semicolon);
    layout->addWidget(m_comma);
    return group;
}

QWidget *OptionsDialog::buildVisualGroup()
{
    auto *group = new QGroupBox(QStringLiteral(" Visual "), this);
    auto *layout = new QFormLayout(group);
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        m_swatches[i] = new QPushButton(group);
        m_swatches[i]->setFixedSize(48, 20);
        const int swatch = static_cast<int>(i);
        connect(m_swatches[i], &QPushButton::clicked, this, [this, swatch] { chooseColour(swatch); });
        layout->addRow(QString::fromLatin1(swatchTexts[i]) + QStringLiteral(" ........"), m_swatches[i]);
    }
    m_style = new QComboBox(group);
    m_style->addItems({ QStringLiteral("NONE"), QStringLiteral("FLAT"), QStringLiteral("INSET"),
        QStringLiteral("RAISED") });
    layout->addRow(QStringLiteral("Grid Style"), m_style);
    return group;
}

QWidget *OptionsDialog::buildFontGroup()
{
    auto *group = new QGroupBox(QStringLiteral(" Font "), this);
    auto *layout = new QVBoxLayout(group);
    m_sample = new QLabel(QStringLiteral("Sample text 0123456789"), group);
    auto *select = new QPushButton(QStringLiteral("Select Font"), group);
    connect(select, &QPushButton::clicked, this, &OptionsDialog::chooseFont);
    layout->addWidget(m_sample);
    layout->addWidget(select);
    return group;
}

void OptionsDialog::showValues()
{
    const OptionValues &values = m_model.values();
    for (std::size_t i = 0; i < m_switches.size(); ++i)
        m_switches[i]->setChecked(values.switches[i]);
    (values.csvSeparator == 1 ? m_comma : m_semicolon)->setChecked(true);
    for (int swatch = 0; swatch < OptionValues::SwatchCount; ++swatch)
        showSwatch(swatch);
    m_style->setCurrentIndex(static_cast<int>(values.style));
    m_sample->setFont(gridFont(values.fontDescription));
    m_associate->setChecked(values.associate);
}

void OptionsDialog::showSwatch(int swatch)
{
    QPixmap colour(40, 12);
    colour.fill(toQColor(m_model.values().colours.at(static_cast<std::size_t>(swatch))));
    swatchButton(swatch)->setIcon(colour);
    swatchButton(swatch)->setIconSize(colour.size());
}

void OptionsDialog::chooseColour(int swatch)
{
    Colour &colour = m_model.values().colours.at(static_cast<std::size_t>(swatch));
    const QColor chosen = QColorDialog::getColor(toQColor(colour), this);
    if (!chosen.isValid())
        return;
    colour = fromQColor(chosen);
    showSwatch(swatch);
}

void OptionsDialog::chooseFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, m_sample->font(), this);
    if (!ok)
        return;
    m_model.values().fontDescription = gridFontDescription(chosen);
    m_sample->setFont(gridFont(m_model.values().fontDescription));
}

void OptionsDialog::restoreDefaults()
{
    storeValues();
    m_model.restoreDefaults();
    showValues();
}

void OptionsDialog::storeValues()
{
    OptionValues &values = m_model.values();
    for (std::size_t i = 0; i < m_switches.size(); ++i)
        values.switches[i] = m_switches[i]->isChecked();
    values.csvSeparator = m_comma->isChecked() ? 1 : 0;
    values.style = GridStyle(m_style->currentIndex());
    values.associate = m_associate->isChecked();
}

} // namespace quillog::ui
