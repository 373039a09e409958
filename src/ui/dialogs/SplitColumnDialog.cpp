// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SplitColumnDialog.h"

#include "ui/dialogs/DialogFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>

namespace quillog::ui
{

SplitColumnDialog::SplitColumnDialog(QWidget *parent)
    : QDialog(parent)
{
    QGroupBox *group
        = choiceFrame(*this, QStringLiteral("Select a Separator to Split"), QStringLiteral(" Separator "));
    auto *layout = new QGridLayout(group);
    m_whitespace = new QRadioButton(QStringLiteral("Whitespace"), group);
    m_custom = new QRadioButton(QStringLiteral("Custom Symbol:"), group);
    m_symbol = new QLineEdit(group);
    m_symbol->setMaxLength(1);
    m_symbol->setMaximumWidth(40);
    m_whitespace->setChecked(true);
    layout->addWidget(m_whitespace, 0, 0);
    layout->addWidget(m_custom, 1, 0);
    layout->addWidget(m_symbol, 1, 1);
    connect(m_symbol, &QLineEdit::textEdited, m_custom, [this] { m_custom->setChecked(true); });
}

QString SplitColumnDialog::separator() const
{
    return m_custom->isChecked() && !m_symbol->text().isEmpty() ? m_symbol->text().left(1)
                                                                : QStringLiteral(" ");
}

void SplitColumnDialog::accept()
{
    if (m_custom->isChecked() && m_symbol->text().isEmpty()) {
        QMessageBox::warning(
            this, QStringLiteral("Quillog"), QStringLiteral("Please select a separator symbol."));
        m_symbol->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace quillog::ui
