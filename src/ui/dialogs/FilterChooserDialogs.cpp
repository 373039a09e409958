// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FilterChooserDialogs.h"

#include "document/Host.h"
#include "ui/QtHost.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

QString titleOf(FilterList list)
{
    switch (list) {
    case FilterList::Bands:
        return QStringLiteral("Bands");
    case FilterList::Modes:
        return QStringLiteral("Modes");
    case FilterList::Submodes:
        return QStringLiteral("Submodes");
    case FilterList::Zones:
        break;
    }
    return QStringLiteral("Zones");
}

// The list's value as filters.xml holds it now; empty when there is none.
std::string storedValue(const std::string &path, FilterList list)
{
    FilterFile file = readFilterFile(path);
    return filterListValue(file.settings, list).value_or("");
}

QDialogButtonBox *okCancel(QDialog *dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

bool writeList(const std::string &path, FilterList list, const std::vector<std::string> &chosen, QtHost &host)
{
    std::string message;
    if (writeFilterList(path, list, chosen, message))
        return true;
    host.message(BoxKind::Warning, message);
    return false;
}

} // namespace

ValueChooserDialog::ValueChooserDialog(FilterList list, const std::vector<std::string> &entries,
    std::string filterPath, QtHost &host, QWidget *parent)
    : QDialog(parent)
    , m_kind(list)
    , m_path(std::move(filterPath))
    , m_host(host)
{
    setWindowTitle(titleOf(list));
    m_list = new QListWidget(this);
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    const std::string stored = storedValue(m_path, list);
    for (const std::string &entry : entries) {
        auto *item = new QListWidgetItem(QString::fromStdString(entry), m_list);
        item->setSelected(filterListHas(stored, entry));
    }
    auto *selectAll = new QPushButton(QStringLiteral("Select All"), this);
    auto *reverse = new QPushButton(QStringLiteral("Reverse"), this);
    auto *clearAll = new QPushButton(QStringLiteral("Clear All"), this);
    connect(selectAll, &QPushButton::clicked, m_list, &QListWidget::selectAll);
    connect(clearAll, &QPushButton::clicked, m_list, &QListWidget::clearSelection);
    connect(reverse, &QPushButton::clicked, this, [this] {
        for (int row = 0; row < m_list->count(); ++row)
            m_list->item(row)->setSelected(!m_list->item(row)->isSelected());
    });
    auto *side = new QHBoxLayout;
    side->addWidget(selectAll);
    side->addWidget(reverse);
    side->addWidget(clearAll);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(side);
    layout->addWidget(okCancel(this));
}

void ValueChooserDialog::accept()
{
    std::vector<std::string> chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            chosen.push_back(m_list->item(row)->text().toStdString());
    }
    if (writeList(m_path, m_kind, chosen, m_host))
        QDialog::accept();
}

ZoneChooserDialog::ZoneChooserDialog(std::string filterPath, QtHost &host, QWidget *parent)
    : QDialog(parent)
    , m_path(std::move(filterPath))
    , m_host(host)
{
    setWindowTitle(QStringLiteral("Zones"));
    auto *group = new QGroupBox(QStringLiteral(" CQ Zones "), this);
    auto *grid = new QGridLayout(group);
    const std::string stored = storedValue(m_path, FilterList::Zones);
    for (int zone = 1; zone <= 40; ++zone) {
        auto *box = new QCheckBox(QString::number(zone), group);
        box->setChecked(filterListHas(stored, std::to_string(zone)));
        grid->addWidget(box, (zone - 1) / 8, (zone - 1) % 8);
        m_zones.push_back(box);
    }
    auto *selectAll = new QPushButton(QStringLiteral("Select All"), this);
    auto *clearAll = new QPushButton(QStringLiteral("Clear All"), this);
    connect(selectAll, &QPushButton::clicked, this, [this] {
        for (QCheckBox *box : m_zones)
            box->setChecked(true);
    });
    connect(clearAll, &QPushButton::clicked, this, [this] {
        for (QCheckBox *box : m_zones)
            box->setChecked(false);
    });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->addWidget(okCancel(this));
}

void ZoneChooserDialog::accept()
{
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < m_zones.size(); ++i) {
        if (m_zones[i]->isChecked())
            chosen.push_back(std::to_string(i + 1));
    }
    if (writeList(m_path, FilterList::Zones, chosen, m_host))
        QDialog::accept();
}

} // namespace quillog::ui
