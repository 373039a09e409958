// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ConvertDateDialog.h"

#include "ui/dialogs/DialogFrame.h"

#include <QGroupBox>
#include <QVBoxLayout>

namespace quillog::ui
{

ConvertDateDialog::ConvertDateDialog(QWidget *parent)
    : QDialog(parent)
{
    QGroupBox *group
        = choiceFrame(*this, QStringLiteral("Convert Date"), QStringLiteral(" Select Date Template "));
    auto *layout = new QVBoxLayout(group);
    m_layouts = comboOf(dateTemplateNames(), group);
    layout->addWidget(m_layouts);
}

DateTemplate ConvertDateDialog::layout() const
{
    return static_cast<DateTemplate>(std::max(0, m_layouts->currentIndex()));
}

} // namespace quillog::ui
