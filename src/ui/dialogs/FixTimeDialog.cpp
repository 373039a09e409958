// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FixTimeDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

long long fieldValue(const QLineEdit &field)
{
    return shiftFieldValue(field.text().toStdString());
}

} // namespace

FixTimeDialog::FixTimeDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fix Time Values"));
    auto *layout = new QVBoxLayout(this);
    auto *changes = new QGroupBox(QStringLiteral(" Apply changes to "), this);
    auto *changesLayout = new QHBoxLayout(changes);
    m_timeOn = new QCheckBox(QStringLiteral("TIME_ON"), changes);
    m_timeOff = new QCheckBox(QStringLiteral("TIME_OFF"), changes);
    m_timeOn->setChecked(true);
    m_timeOff->setChecked(true);
    changesLayout->addWidget(m_timeOn);
    changesLayout->addWidget(m_timeOff);
    auto *range = new QGroupBox(QStringLiteral(" Apply range "), this);
    auto *rangeLayout = new QHBoxLayout(range);
    m_wholeColumn = new QRadioButton(QStringLiteral("Whole Column"), range);
    m_selection = new QRadioButton(QStringLiteral("Selection"), range);
    m_wholeColumn->setChecked(true);
    rangeLayout->addWidget(m_wholeColumn);
    rangeLayout->addWidget(m_selection);
    auto *shift = new QGroupBox(QStringLiteral(" Time Shift "), this);
    auto *shiftLayout = new QFormLayout(shift);
    for (QLineEdit **field : { &m_hours, &m_minutes, &m_seconds }) {
        *field = new QLineEdit(QStringLiteral("0"), shift);
        (*field)->setMaxLength(3);
    }
    shiftLayout->addRow(QStringLiteral("Hours"), m_hours);
    shiftLayout->addRow(QStringLiteral("Minutes"), m_minutes);
    shiftLayout->addRow(QStringLiteral("Seconds"), m_seconds);
    shiftLayout->addRow(new QLabel(QStringLiteral("* Use minus '-' to decrease time"), shift));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QWidget *widget : std::initializer_list<QWidget *> { changes, range, shift, buttons })
        layout->addWidget(widget);
}

TimeShiftRequest FixTimeDialog::request() const
{
    TimeShiftRequest request;
    request.timeOn = m_timeOn->isChecked();
    request.timeOff = m_timeOff->isChecked();
    request.selectionOnly = m_selection->isChecked();
    request.seconds = fieldValue(*m_hours) * 3600 + fieldValue(*m_minutes) * 60 + fieldValue(*m_seconds);
    return request;
}

void FixTimeDialog::setShift(const QString &hours, const QString &minutes, const QString &seconds)
{
    m_hours->setText(hours);
    m_minutes->setText(minutes);
    m_seconds->setText(seconds);
}

void FixTimeDialog::accept()
{
    const TimeShiftRequest shift = request();
    QString message;
    if (!shift.timeOn && !shift.timeOff)
        message = QStringLiteral("Please select TIME_ON or/and TIME_OFF values.");
    else if (fieldValue(*m_hours) == 0 && fieldValue(*m_minutes) == 0 && fieldValue(*m_seconds) == 0)
        message = QStringLiteral("Please enter some minutes or hours to change the time values.");
    if (!message.isEmpty()) {
        QMessageBox::information(this, QStringLiteral("Quillog"), message);
        return;
    }
    QDialog::accept();
}

} // namespace quillog::ui
