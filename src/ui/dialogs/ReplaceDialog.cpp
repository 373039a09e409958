// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

QPushButton *button(const QString &text, QWidget *parent)
{
    auto *pushButton = new QPushButton(text, parent);
    pushButton->setAutoDefault(false);
    pushButton->setDefault(false);
    return pushButton;
}

} // namespace

ReplaceDialog::ReplaceDialog(ReplaceMode mode, const QString &findText, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Replace"));
    auto *layout = new QGridLayout(this);
    m_find = new QLineEdit(findText.left(maximumTextLength), this);
    m_replacement = new QLineEdit(this);
    for (QLineEdit *field : { m_find, m_replacement })
        field->setMaxLength(maximumTextLength);
    layout->addWidget(new QLabel(QStringLiteral("Find what:"), this), 0, 0);
    layout->addWidget(m_find, 0, 1);
    auto *replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
    replaceLabel->setBuddy(m_replacement);
    layout->addWidget(replaceLabel, 1, 0);
    layout->addWidget(m_replacement, 1, 1);

    m_wholeCell = new QCheckBox(QStringLiteral("Match whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match case"), this);
    m_anyText = new QCheckBox(QStringLiteral("Any Text"), this);
    auto *checks = new QVBoxLayout;
    for (QCheckBox *box : { m_wholeCell, m_matchCase, m_anyText })
        checks->addWidget(box);
    layout->addLayout(checks, 2, 0, 1, 2);

    m_close = button(QStringLiteral("Close"), this);
    m_replace = button(QStringLiteral("Replace"), this);
    m_replaceInColumn = button(QStringLiteral("Replace In Column"), this);
    m_replaceInColumn->setVisible(mode == ReplaceMode::Cell);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *pushButton : { m_close, m_replace, m_replaceInColumn })
        buttons->addWidget(pushButton);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 2, 3, 1);

    connect(m_anyText, &QCheckBox::toggled, m_find, [this](bool on) { m_find->setEnabled(!on); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_replace, &QPushButton::clicked, this, [this] { request(false); });
    connect(m_replaceInColumn, &QPushButton::clicked, this, [this] { request(true); });
}

void ReplaceDialog::request(bool inColumn)
{
    if (m_find->text().isEmpty())
        return;
    Q_EMIT replaceRequested({ m_find->text(), m_replacement->text(), m_wholeCell->isChecked(),
        m_matchCase->isChecked(), m_anyText->isChecked(), inColumn });
}

void ReplaceDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    QWidget *focused = focusWidget();
    for (QPushButton *pushButton : { m_close, m_replace, m_replaceInColumn }) {
        if (focused == pushButton) {
            pushButton->click();
            return;
        }
    }
    reject();
}

} // namespace quillog::ui
