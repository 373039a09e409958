// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace quillog::ui
{

/// "Fill Column": the text to write and whether only empty cells take it.
class FillColumnDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FillColumnDialog(QWidget *parent = nullptr);
    QString text() const;
    bool emptyOnly() const;

private:
    QLineEdit *m_text;
    QCheckBox *m_emptyOnly;
};

} // namespace quillog::ui
