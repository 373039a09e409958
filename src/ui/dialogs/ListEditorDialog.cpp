// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ListEditorDialog.h"

#include "ui/QtHost.h"
#include "ui/dialogs/UpperCaseValidator.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace quillog::ui
{

namespace
{

QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString askForListValue(QWidget *parent, const QString &title, const QString &label)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto *frame = new QGroupBox(label, &dialog);
    auto *field = new QLineEdit(frame);
    field->setValidator(new UpperCaseValidator(field));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(field);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return field->text();
}

ListEditorDialog::ListEditorDialog(ListEditor editor, std::string dataFolder, QtHost &host, QWidget *parent)
    : QDialog(parent)
    , m_editor(std::move(editor))
    , m_dataFolder(std::move(dataFolder))
    , m_host(host)
    , m_list(new QListWidget(this))
{
    setWindowTitle(fromStd(m_editor.windowTitle()));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *add = new QPushButton(QStringLiteral("Add"), this);
    m_delete = new QPushButton(QStringLiteral("Delete"), this);
    auto *defaults = new QPushButton(QStringLiteral("Default"), this);
    auto *save = new QPushButton(QStringLiteral("Save"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_delete->setEnabled(false);
    connect(add, &QPushButton::clicked, this, &ListEditorDialog::askForValue);
    connect(m_delete, &QPushButton::clicked, this, &ListEditorDialog::deleteSelected);
    connect(defaults, &QPushButton::clicked, this, &ListEditorDialog::restoreDefaults);
    connect(save, &QPushButton::clicked, this, &ListEditorDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
        [this] { m_delete->setEnabled(ListEditor::canDelete(int(m_list->selectedItems().size()))); });

    auto *buttons = new QVBoxLayout;
    for (QPushButton *button : { add, m_delete, defaults, save, cancel })
        buttons->addWidget(button);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    showEntries();
}

void ListEditorDialog::showEntries()
{
    m_list->clear();
    for (const std::string &entry : m_editor.entries())
        m_list->addItem(fromStd(entry));
    m_delete->setEnabled(false);
}

void ListEditorDialog::askForValue()
{
    const QString value
        = askForListValue(this, fromStd(m_editor.addDialogTitle()), fromStd(m_editor.addDialogLabel()));
    if (!value.isEmpty())
        addValue(value);
}

void ListEditorDialog::addValue(const QString &value)
{
    const AddResult result = m_editor.add(value.toStdString());
    if (!result.message.empty())
        m_host.message(BoxKind::Warning, result.message);
    if (result.outcome == AddOutcome::Added)
        m_list->addItem(value);
}

void ListEditorDialog::deleteSelected()
{
    std::vector<int> rows;
    for (const QListWidgetItem *item : m_list->selectedItems())
        rows.push_back(m_list->row(item));
    m_editor.remove(rows);
    showEntries();
}

void ListEditorDialog::restoreDefaults()
{
    m_editor.restoreDefaults();
    showEntries();
}

void ListEditorDialog::save()
{
    // A file that cannot be written leaves the old one; the editor closes all the same.
    m_editor.save(m_dataFolder);
    accept();
}

} // namespace quillog::ui
