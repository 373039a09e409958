// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillog::ui
{

FindDialog::FindDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Find"));
    setModal(false);
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Find what:"), this), 0, 0);
    m_text = new QLineEdit(this);
    layout->addWidget(m_text, 0, 1, 1, 2);

    m_wholeCell = new QCheckBox(QStringLiteral("Match whole word only"), this);
    m_matchCase = new QCheckBox(QStringLiteral("Match case"), this);
    m_inColumn = new QCheckBox(QStringLiteral("Find In Column"), this);
    auto *checks = new QVBoxLayout;
    for (QCheckBox *box : { m_wholeCell, m_matchCase, m_inColumn })
        checks->addWidget(box);
    layout->addLayout(checks, 1, 0, 1, 2);

    auto *direction = new QGroupBox(QStringLiteral("Direction"), this);
    auto *directions = new QHBoxLayout(direction);
    m_up = new QRadioButton(QStringLiteral(" Up"), direction);
    m_down = new QRadioButton(QStringLiteral(" Down"), direction);
    m_down->setChecked(true);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    layout->addWidget(direction, 1, 2);

    m_findNext = new QPushButton(QStringLiteral("Find Next"), this);
    m_findNext->setDefault(true);
    m_findAll = new QPushButton(QStringLiteral("Find All"), this);
    layout->addWidget(m_findNext, 0, 3);
    layout->addWidget(m_findAll, 1, 3, Qt::AlignTop);

    connect(m_findNext, &QPushButton::clicked, this, [this] {
        if (!m_text->text().isEmpty())
            Q_EMIT findNextRequested(options());
    });
    connect(m_findAll, &QPushButton::clicked, this, [this] {
        if (!m_text->text().isEmpty())
            Q_EMIT findAllRequested(options());
    });
}

void FindDialog::present(const QString &lastText, bool inColumn)
{
    m_text->setText(lastText);
    m_text->selectAll();
    m_inColumn->setChecked(inColumn);
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

FindOptions FindDialog::options() const
{
    return { m_text->text(), m_wholeCell->isChecked(), m_matchCase->isChecked(), m_inColumn->isChecked(),
        m_up->isChecked() };
}

} // namespace quillog::ui
