// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/DialogFrame.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quillog::ui
{

QGroupBox *choiceFrame(QDialog &dialog, const QString &title, const QString &groupTitle)
{
    dialog.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&dialog);
    auto *group = new QGroupBox(groupTitle, &dialog);
    layout->addWidget(group);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return group;
}

} // namespace quillog::ui
