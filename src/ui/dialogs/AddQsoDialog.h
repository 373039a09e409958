// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/ManualQso.h"

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

namespace quillog::ui
{

/// "Add QSOs manually": a modeless entry window. Add QSO builds the record of the typed QSO and hands it
/// on through recordReady, then clears Callsign, Name, QTH and Gridsquare for the next QSO.
class AddQsoDialog : public QDialog
{
    Q_OBJECT

public:
    AddQsoDialog(const std::vector<std::string> &bands, const std::vector<std::string> &modes,
        QWidget *parent = nullptr);

    /// What the fields hold.
    ManualQso qso() const;

    QLineEdit *callField() const { return m_call; }
    QLineEdit *timeField() const { return m_time; }
    QLineEdit *gridField() const { return m_grid; }
    QComboBox *bandField() const { return m_band; }
    QComboBox *modeField() const { return m_mode; }
    QLineEdit *rstSentField() const { return m_rstSent; }
    QLineEdit *rstRcvdField() const { return m_rstRcvd; }

public Q_SLOTS:
    void addQso();

Q_SIGNALS:
    void recordReady(const std::string &record);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *widgetOf(ManualQsoField field) const;

    QLineEdit *m_call = nullptr;
    QDateEdit *m_date = nullptr;
    QLineEdit *m_time = nullptr;
    QCheckBox *m_timeOn = nullptr;
    QComboBox *m_band = nullptr;
    QComboBox *m_mode = nullptr;
    QLineEdit *m_rstSent = nullptr;
    QLineEdit *m_rstRcvd = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_qth = nullptr;
    QLineEdit *m_grid = nullptr;
};

} // namespace quillog::ui
