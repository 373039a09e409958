// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FillColumnDialog.h"

#include "ui/dialogs/DialogFrame.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace quillog::ui
{

FillColumnDialog::FillColumnDialog(QWidget *parent)
    : QDialog(parent)
{
    QGroupBox *group = choiceFrame(*this, QStringLiteral("Fill Column"), QStringLiteral("Text to fill"));
    auto *layout = new QVBoxLayout(group);
    m_text = new QLineEdit(group);
    m_emptyOnly = new QCheckBox(QStringLiteral("Empty cells only"), group);
    layout->addWidget(m_text);
    layout->addWidget(m_emptyOnly);
}

QString FillColumnDialog::text() const
{
    return m_text->text();
}

bool FillColumnDialog::emptyOnly() const
{
    return m_emptyOnly->isChecked();
}

} // namespace quillog::ui
