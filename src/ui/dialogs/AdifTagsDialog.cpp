// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AdifTagsDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillog::ui
{

AdifTagsDialog::AdifTagsDialog(const std::vector<std::string> &names, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ADIF Tags"));
    auto *layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    for (const std::string &name : names)
        m_list->addItem(QString::fromStdString(name));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_select = buttons->addButton(QStringLiteral("Select"), QDialogButtonBox::AcceptRole);
    m_select->setEnabled(false);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
        [this] { m_select->setEnabled(!m_list->selectedItems().isEmpty()); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    resize(260, 400);
}

QString AdifTagsDialog::chosen() const
{
    const QList<QListWidgetItem *> items = m_list->selectedItems();
    return items.isEmpty() ? QString() : items.front()->text();
}

void AdifTagsDialog::choose(const QString &name)
{
    const QList<QListWidgetItem *> items = m_list->findItems(name, Qt::MatchExactly);
    if (!items.isEmpty())
        m_list->setCurrentItem(items.front());
}

} // namespace quillog::ui
