// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AddQsoDialog.h"

#include "ui/dialogs/UpperCaseValidator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <ctime>

namespace quillog::ui
{

namespace
{

QComboBox *sortedChoice(const std::vector<std::string> &entries, QWidget *parent)
{
    QStringList items;
    for (const std::string &entry : entries)
        items << QString::fromStdString(entry);
    items.sort(Qt::CaseInsensitive);
    auto *box = new QComboBox(parent);
    box->setEditable(true);
    box->addItems(items);
    box->setCurrentIndex(-1);
    return box;
}

std::string text(const QLineEdit *edit)
{
    return edit->text().toStdString();
}

} // namespace

AddQsoDialog::AddQsoDialog(
    const std::vector<std::string> &bands, const std::vector<std::string> &modes, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Add QSOs manually"));
    m_call = new QLineEdit(this);
    m_call->setValidator(new UpperCaseValidator(m_call));
    m_date = new QDateEdit(QDateTime::currentDateTimeUtc().date(), this); // QSO_DATE is a UTC date
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_time = new QLineEdit(this);
    m_time->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_time));
    m_time->installEventFilter(this);
    m_timeOn = new QCheckBox(QStringLiteral("Add Time On"), this);
    m_band = sortedChoice(bands, this);
    m_mode = sortedChoice(modes, this);
    m_rstSent = new QLineEdit(this);
    m_rstRcvd = new QLineEdit(this);
    m_name = new QLineEdit(this);
    m_qth = new QLineEdit(this);
    m_grid = new QLineEdit(this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Callsign"), m_call);
    form->addRow(QStringLiteral("Date"), m_date);
    form->addRow(QStringLiteral("Time Off"), m_time);
    form->addRow(QString(), m_timeOn);
    form->addRow(QStringLiteral("Band"), m_band);
    form->addRow(QStringLiteral("Mode"), m_mode);
    form->addRow(QStringLiteral("RST Sent"), m_rstSent);
    form->addRow(QStringLiteral("RST Rcvd"), m_rstRcvd);
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("QTH"), m_qth);
    form->addRow(QStringLiteral("Gridsquare"), m_grid);
    auto *add = new QPushButton(QStringLiteral("Add QSO"), this);
    add->setDefault(true);
    add->setAutoDefault(true);
    connect(add, &QPushButton::clicked, this, &AddQsoDialog::addQso);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(add);
}

bool AddQsoDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_time && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_time, &QLineEdit::selectAll);
    if (watched == m_time && event->type() == QEvent::FocusOut)
        m_time->setText(QString::fromStdString(completedTimeOff(text(m_time), std::time(nullptr))));
    return QDialog::eventFilter(watched, event);
}

ManualQso AddQsoDialog::qso() const
{
    ManualQso qso;
    qso.call = text(m_call);
    qso.date = m_date->date().toString(QStringLiteral("yyyyMMdd")).toStdString();
    qso.timeOff = text(m_time);
    qso.addTimeOn = m_timeOn->isChecked();
    qso.band = m_band->currentText().toStdString();
    qso.mode = m_mode->currentText().toStdString();
    qso.rstSent = text(m_rstSent);
    qso.rstRcvd = text(m_rstRcvd);
    qso.name = text(m_name);
    qso.qth = text(m_qth);
    qso.gridsquare = text(m_grid);
    return qso;
}

QWidget *AddQsoDialog::widgetOf(ManualQsoField field) const
{
    switch (field) {
    case ManualQsoField::Call:
        return m_call;
    case ManualQsoField::Date:
        return m_date;
    case ManualQsoField::TimeOff:
        return m_time;
    case ManualQsoField::Band:
        return m_band;
    case ManualQsoField::Mode:
        return m_mode;
    case ManualQsoField::RstSent:
        return m_rstSent;
    case ManualQsoField::RstRcvd:
        return m_rstRcvd;
    case ManualQsoField::None:
        break;
    }
    return nullptr;
}

void AddQsoDialog::addQso()
{
    const ManualQsoRecord record = manualQsoRecord(qso());
    if (QWidget *missing = widgetOf(record.missing)) {
        missing->setFocus();
        return;
    }
    Q_EMIT recordReady(record.text);
    for (QLineEdit *edit : { m_call, m_name, m_qth, m_grid })
        edit->clear();
    m_call->setFocus();
}

} // namespace quillog::ui
