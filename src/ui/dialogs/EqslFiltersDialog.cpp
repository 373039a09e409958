// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/EqslFiltersDialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

QDateEdit *datePicker(QDate today, QWidget *parent)
{
    auto *picker = new QDateEdit(today, parent);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setEnabled(false);
    return picker;
}

int yyyymmdd(QDate date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

} // namespace

EqslFiltersDialog::EqslFiltersDialog(QWidget *parent, QDate today)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Select eQSL filters"));
    m_new = new QCheckBox(QStringLiteral("New eQSLs"), this);
    m_new->setChecked(true);
    m_received = new QCheckBox(QStringLiteral("Already Received"), this);
    m_notInLog = new QCheckBox(QStringLiteral("Not in Log"), this);
    m_swl = new QCheckBox(QStringLiteral("SWL"), this);
    auto *kinds = new QGroupBox(this);
    auto *kindsLayout = new QVBoxLayout(kinds);
    for (QCheckBox *box : { m_new, m_received, m_notInLog, m_swl })
        kindsLayout->addWidget(box);

    m_useDates = new QCheckBox(QStringLiteral("Use Date Filter"), this);
    m_from = datePicker(today, this);
    m_to = datePicker(today, this);
    for (QDateEdit *picker : { m_from, m_to })
        connect(m_useDates, &QCheckBox::toggled, picker, &QWidget::setEnabled);
    auto *dates = new QFormLayout;
    dates->addRow(m_useDates);
    dates->addRow(QStringLiteral("From"), m_from);
    dates->addRow(QStringLiteral("To"), m_to);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(kinds);
    layout->addLayout(dates);
    layout->addWidget(buttons);
}

EqslFilter EqslFiltersDialog::filter() const
{
    EqslFilter filter;
    filter.newEqsls = m_new->isChecked();
    filter.alreadyReceived = m_received->isChecked();
    filter.notInLog = m_notInLog->isChecked();
    filter.swl = m_swl->isChecked();
    filter.useDateFilter = m_useDates->isChecked();
    filter.fromDate = yyyymmdd(m_from->date());
    filter.toDate = yyyymmdd(m_to->date());
    return filter;
}

} // namespace quillog::ui
