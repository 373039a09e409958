// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ConvertFrequencyDialog.h"

#include "ui/dialogs/DialogFrame.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillog::ui
{

ConvertFrequencyDialog::ConvertFrequencyDialog(QWidget *parent)
    : QDialog(parent)
{
    QGroupBox *group
        = choiceFrame(*this, QStringLiteral("Convert Frequency"), QStringLiteral(" Select Template "));
    auto *layout = new QVBoxLayout(group);
    m_units = new QButtonGroup(this);
    int id = 0;
    for (const std::string_view label : frequencyUnitLabels()) {
        auto *button = new QRadioButton(QString::fromLatin1(label.data(), qsizetype(label.size())), group);
        m_units->addButton(button, id++);
        layout->addWidget(button);
    }
    setUnit(FrequencyUnit::KiloHertz);
}

FrequencyUnit ConvertFrequencyDialog::unit() const
{
    return static_cast<FrequencyUnit>(std::max(0, m_units->checkedId()));
}

void ConvertFrequencyDialog::setUnit(FrequencyUnit unit)
{
    m_units->button(int(unit))->setChecked(true);
}

} // namespace quillog::ui
