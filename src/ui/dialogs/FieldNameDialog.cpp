// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FieldNameDialog.h"

#include "tools/ColumnStructure.h"
#include "ui/dialogs/DialogFrame.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace quillog::ui
{

FieldNameDialog::FieldNameDialog(QWidget *parent)
    : QDialog(parent)
{
    QGroupBox *group = choiceFrame(*this, QStringLiteral("ADIF Tag"), QStringLiteral(" Name "));
    auto *layout = new QVBoxLayout(group);
    m_name = new QLineEdit(group);
    layout->addWidget(m_name);
}

QString FieldNameDialog::name() const
{
    return m_name->text();
}

void FieldNameDialog::setName(const QString &name)
{
    m_name->setText(name);
}

void FieldNameDialog::accept()
{
    if (!isWritableFieldName(m_name->text().toStdString())) {
        QMessageBox::warning(this, QStringLiteral("Quillog"),
            QString::fromLatin1(kBadFieldNameMessage.data(), qsizetype(kBadFieldNameMessage.size())));
        m_name->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace quillog::ui
