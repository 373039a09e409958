// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/TimeShift.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace quillog::ui
{

/// "Fix Time Values": which times to move, over which rows and by how much.
class FixTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FixTimeDialog(QWidget *parent = nullptr);
    TimeShiftRequest request() const;
    void setShift(const QString &hours, const QString &minutes, const QString &seconds);
    void accept() override;

private:
    QCheckBox *m_timeOn;
    QCheckBox *m_timeOff;
    QRadioButton *m_wholeColumn;
    QRadioButton *m_selection;
    QLineEdit *m_hours;
    QLineEdit *m_minutes;
    QLineEdit *m_seconds;
};

} // namespace quillog::ui
