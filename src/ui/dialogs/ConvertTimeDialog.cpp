// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ConvertTimeDialog.h"

#include "ui/dialogs/DialogFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace quillog::ui
{

ConvertTimeDialog::ConvertTimeDialog(QWidget *parent)
    : QDialog(parent)
{
    QGroupBox *group = choiceFrame(*this, QStringLiteral("Convert Time"),
        QStringLiteral(" Select templates to convert  time values  (from --> to) "));
    auto *layout = new QHBoxLayout(group);
    m_layouts = comboOf(timeTemplateNames(), group);
    m_targets = comboOf(timeTargetNames(), group);
    layout->addWidget(m_layouts);
    layout->addWidget(new QLabel(QStringLiteral("--->"), group));
    layout->addWidget(m_targets);
}

TimeTemplate ConvertTimeDialog::layout() const
{
    return static_cast<TimeTemplate>(std::max(0, m_layouts->currentIndex()));
}

TimeTarget ConvertTimeDialog::target() const
{
    return static_cast<TimeTarget>(std::max(0, m_targets->currentIndex()));
}

} // namespace quillog::ui
