// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillog::ui
{

/// The modal window shown while a worker runs: a label, a 0 to 100 percent bar and a Stop button.
/// It closes 200 ms after the worker has finished. Stop (or Escape, or closing the window) asks the
/// worker to stop and then waits for it to finish, so the document is never left in mid-change.
class ProgressWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    static constexpr int closeDelayMs = 200;

    void setLabel(const QString &text);
    void setPercent(int percent);
    int percent() const;
    QString label() const;
    bool stopRequested() const { return m_stopRequested; }
    QPushButton *stopButton() const { return m_stop; }

public Q_SLOTS:
    /// Called when the worker thread has ended: closes the window after the delay.
    void workerFinished();
    void requestStop();
    void reject() override;

Q_SIGNALS:
    void stopClicked();

private:
    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_stop = nullptr;
    bool m_stopRequested = false;
    bool m_finished = false;
};

} // namespace quillog::ui
