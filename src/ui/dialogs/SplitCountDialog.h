// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace quillog::ui
{

/// "Split by QSO Count": shows the total and takes the number of QSOs per part. OK keeps the dialog
/// open while the problem function names a problem with the count (shown as a warning).
class SplitCountDialog : public QDialog
{
    Q_OBJECT

public:
    SplitCountDialog(int total, std::function<bool(int)> acceptable, QWidget *parent = nullptr);

    int count() const;
    QLineEdit *countField() const { return m_count; }

    void accept() override;

private:
    std::function<bool(int)> m_acceptable;
    QLineEdit *m_count = nullptr;
};

} // namespace quillog::ui
