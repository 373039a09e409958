// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace quillog::ui
{

/// "Select a Separator to Split": a blank or one character typed in.
class SplitColumnDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SplitColumnDialog(QWidget *parent = nullptr);
    /// The character in the field when it holds one, a blank otherwise.
    QString separator() const;
    void accept() override;

private:
    QRadioButton *m_whitespace;
    QRadioButton *m_custom;
    QLineEdit *m_symbol;
};

} // namespace quillog::ui
