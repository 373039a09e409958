// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ConvertModeDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

// A field that turns typed letters into upper case, keeping the cursor where it was.
QLineEdit *upperCaseField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString &text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int cursor = field->cursorPosition();
        field->setText(upper);
        field->setCursorPosition(cursor);
    });
    return field;
}

} // namespace

ConvertModeDialog::ConvertModeDialog(const QString &preset, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Convert Mode"));
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QHBoxLayout;
    m_from = upperCaseField(this);
    m_from->setText(preset.toUpper());
    m_to = upperCaseField(this);
    fields->addWidget(m_from);
    fields->addWidget(new QLabel(QStringLiteral("--->"), this));
    fields->addWidget(m_to);
    layout->addLayout(fields);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_fix = buttons->addButton(QStringLiteral("Fix Deprecate Modes"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_fix, &QPushButton::clicked, this, [this] { done(FixDeprecatedModes); });
    layout->addWidget(buttons);
}

QString ConvertModeDialog::from() const
{
    return m_from->text();
}

QString ConvertModeDialog::to() const
{
    return m_to->text();
}

} // namespace quillog::ui
