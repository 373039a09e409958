// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgressWindow.h"

#include "ui/PngImage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace quillog::ui
{

ProgressWindow::ProgressWindow(QWidget *parent)
    // A title but no minimise, maximise or close buttons: Stop is the one way out.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_label(new QLabel(this))
    , m_bar(new QProgressBar(this))
    , m_stop(new QPushButton(this))
{
    setWindowTitle(QStringLiteral("Quillog"));
    setModal(true);
    m_label->setMinimumWidth(320);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setFormat(QStringLiteral("%p%"));
    m_bar->setTextVisible(true);

    m_stop->setText(tr("Stop"));
    const QIcon icon = pngIcon(QStringLiteral(":/icons/stop.png"));
    if (!icon.isNull()) {
        m_stop->setIcon(icon);
        m_stop->setIconSize(QSize(22, 22));
    }
    connect(m_stop, &QPushButton::clicked, this, &ProgressWindow::requestStop);

    auto *row = new QHBoxLayout;
    row->addWidget(m_bar, 1);
    row->addWidget(m_stop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addLayout(row);
    // A window of fixed size offers the window manager nothing to maximise.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ProgressWindow::setLabel(const QString &text)
{
    m_label->setText(text);
}

void ProgressWindow::setPercent(int percent)
{
    m_bar->setValue(std::clamp(percent, 0, 100));
}

int ProgressWindow::percent() const
{
    return m_bar->value();
}

QString ProgressWindow::label() const
{
    return m_label->text();
}

void ProgressWindow::workerFinished()
{
    m_finished = true;
    m_stop->setEnabled(false);
    QTimer::singleShot(closeDelayMs, this, &QDialog::accept);
}

void ProgressWindow::requestStop()
{
    if (m_stopRequested || m_finished)
        return;
    m_stopRequested = true;
    m_stop->setEnabled(false);
    Q_EMIT stopClicked();
}

void ProgressWindow::reject()
{
    // Escape and the window's close button act as Stop; the window closes once the worker has ended.
    requestStop();
}

} // namespace quillog::ui
