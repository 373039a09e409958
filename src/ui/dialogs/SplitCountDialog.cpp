// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SplitCountDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace quillog::ui
{

SplitCountDialog::SplitCountDialog(int total, std::function<bool(int)> acceptable, QWidget *parent)
    : QDialog(parent)
    , m_acceptable(std::move(acceptable))
{
    setWindowTitle(QStringLiteral("Split by QSO Count"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Total QSOs:"), new QLabel(QString::number(total), this));
    m_count = new QLineEdit(QString::number(total <= 2 ? total : (total + 1) / 2), this);
    m_count->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), this));
    form->addRow(QStringLiteral("Split by QSOs:"), m_count);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SplitCountDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SplitCountDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

int SplitCountDialog::count() const
{
    return m_count->text().toInt(); // 0 when empty
}

void SplitCountDialog::accept()
{
    if (!m_acceptable(count())) {
        m_count->setFocus();
        m_count->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace quillog::ui
