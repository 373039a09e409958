// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AddColumnsDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

QTreeWidgetItem *itemOf(const QString &tag, const QString &text)
{
    auto *item = new QTreeWidgetItem({ tag, text });
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

} // namespace

AddColumnsDialog::AddColumnsDialog(
    const std::vector<ColumnEntry> &entries, std::function<QString()> chooseTag, QWidget *parent)
    : QDialog(parent)
    , m_chooseTag(std::move(chooseTag))
{
    setWindowTitle(QStringLiteral("Add Multiple Columns with Text"));
    auto *layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels({ QStringLiteral("Column TAG"), QStringLiteral("Column TEXT") });
    m_list->setColumnWidth(0, 120);
    m_list->setColumnWidth(1, 150);
    m_list->setRootIsDecorated(false);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked);
    for (const ColumnEntry &entry : entries)
        m_list->addTopLevelItem(
            itemOf(QString::fromStdString(entry.tag), QString::fromStdString(entry.text)));
    auto *edits = new QHBoxLayout;
    QPushButton *add = new QPushButton(QStringLiteral("Add"), this);
    QPushButton *remove = new QPushButton(QStringLiteral("Remove"), this);
    connect(add, &QPushButton::clicked, this, &AddColumnsDialog::addEntry);
    connect(remove, &QPushButton::clicked, this, &AddColumnsDialog::removeEntry);
    edits->addWidget(add);
    edits->addWidget(remove);
    edits->addStretch();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_list);
    layout->addLayout(edits);
    layout->addWidget(buttons);
    resize(340, 360);
}

void AddColumnsDialog::addEntry()
{
    QTreeWidgetItem *item = itemOf(QString(), QString());
    m_list->addTopLevelItem(item);
    m_list->setCurrentItem(item);
    const QString tag = m_chooseTag ? m_chooseTag() : QString();
    // A name already in the list adds nothing; the empty entry is dropped on OK.
    if (!tag.isEmpty() && m_list->findItems(tag, Qt::MatchExactly, 0).isEmpty())
        item->setText(0, tag);
}

void AddColumnsDialog::removeEntry()
{
    QTreeWidgetItem *item = m_list->currentItem();
    if (item == nullptr || !item->isSelected()) {
        QMessageBox::warning(
            this, QStringLiteral("Quillog"), QStringLiteral("Please select an item to delete."));
        return;
    }
    delete item;
}

std::vector<ColumnEntry> AddColumnsDialog::entries() const
{
    std::vector<ColumnEntry> entries;
    for (int index = 0; index < m_list->topLevelItemCount(); ++index) {
        const QTreeWidgetItem *item = m_list->topLevelItem(index);
        if (!item->text(0).isEmpty())
            entries.push_back({ item->text(0).toStdString(), item->text(1).toStdString() });
    }
    return entries;
}

} // namespace quillog::ui
