// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgressWindow.h"

#include "ui/PngImage.h"

#include <QFrame>
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
    // No caption: some window managers add minimise and maximise buttons to any title bar whatever
    // the window asks for, and Stop is the one way out.
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_label(new QLabel)
    , m_bar(new QProgressBar)
    , m_stop(new QPushButton)
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

    // Without the window manager's frame the window draws its own edge.
    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);
    auto *row = new QHBoxLayout;
    row->addWidget(m_bar, 1);
    row->addWidget(m_stop);
    auto *inside = new QVBoxLayout(frame);
    inside->addWidget(m_label);
    inside->addLayout(row);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
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
