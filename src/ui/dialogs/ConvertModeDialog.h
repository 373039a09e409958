// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quillog::ui
{

/// "Convert Mode": the mode to rename ("from", starting with the preset when there is one) and its new
/// name ("to"), both typed in upper case, and the button that converts deprecated modes instead.
class ConvertModeDialog : public QDialog
{
    Q_OBJECT

public:
    /// What exec() returns when "Fix Deprecate Modes" was pressed; the dialog closes as Cancel otherwise.
    static constexpr int FixDeprecatedModes = 2;

    explicit ConvertModeDialog(const QString &preset = {}, QWidget *parent = nullptr);

    /// The "from" field's text as it stands when OK is pressed.
    QString from() const;
    QString to() const;
    QLineEdit *fromField() const { return m_from; }
    QLineEdit *toField() const { return m_to; }
    QPushButton *fixButton() const { return m_fix; }

private:
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    QPushButton *m_fix = nullptr;
};

} // namespace quillog::ui
