// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/EqslComparison.h"

#include <QDate>
#include <QDialog>

class QCheckBox;
class QDateEdit;

namespace quillog::ui
{

/// "Select eQSL filters": which kinds of eQSL records to list, and an optional span of days.
class EqslFiltersDialog : public QDialog
{
    Q_OBJECT

public:
    /// Both dates start at today.
    explicit EqslFiltersDialog(QWidget *parent = nullptr, QDate today = QDate::currentDate());

    EqslFilter filter() const;

    QCheckBox *newEqsls() const { return m_new; }
    QCheckBox *alreadyReceived() const { return m_received; }
    QCheckBox *notInLog() const { return m_notInLog; }
    QCheckBox *swl() const { return m_swl; }
    QCheckBox *useDateFilter() const { return m_useDates; }
    QDateEdit *from() const { return m_from; }
    QDateEdit *to() const { return m_to; }

private:
    QCheckBox *m_new = nullptr;
    QCheckBox *m_received = nullptr;
    QCheckBox *m_notInLog = nullptr;
    QCheckBox *m_swl = nullptr;
    QCheckBox *m_useDates = nullptr;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
};

} // namespace quillog::ui
