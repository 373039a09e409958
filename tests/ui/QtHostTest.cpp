// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QtHost.h"

#include "UiTestSupport.h"
#include "core/Progress.h"
#include "ui/ProgressWindow.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace quillog::ui
{

TEST(QtHost, FileFiltersTakeQtForm)
{
    struct Case {
        const char *filter;
        const char *expected;
    };
    for (const Case c : {
             Case { "ADIF files (*.adi, *adif)|*.adi*|All Log files (*.*)|*.*|",
                 "ADIF files (*.adi*);;All Log files (*)" },
             { "ADX files (*.adx)|*adx|", "ADX files (*adx)" },
             { "Logs|*.adi;*.adif|", "Logs (*.adi *.adif)" },
             { "", "" },
         }) {
        EXPECT_EQ(qtFileFilter(c.filter), QString::fromLatin1(c.expected)) << c.filter;
    }
}

TEST(QtHost, DefaultExtensionIsAddedOnlyToANameWithoutOne)
{
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/log"), "adi"), QStringLiteral("/tmp/log.adi"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/log.adx"), "adi"), QStringLiteral("/tmp/log.adx"));
    EXPECT_EQ(withDefaultExtension(QStringLiteral("/tmp/log"), ""), QStringLiteral("/tmp/log"));
}

TEST(QtHost, FileDialogsStartAtTheLogThenTheLastFolderThenHome)
{
    const QString existing = QDir::tempPath();
    struct Case {
        std::string startPath;
        QString lastFolder, expected;
    };
    for (const Case &c : {
             Case { "/logs/field day.adi", existing, QStringLiteral("/logs/field day.adi") },
             Case { "/logs", existing, QStringLiteral("/logs") },
             Case { "", existing, existing },
             Case { "", QStringLiteral("/nonexistent/gone"), QDir::homePath() },
             Case { "", QString(), QDir::homePath() },
         }) {
        EXPECT_EQ(dialogStart(c.startPath, c.lastFolder), c.expected) << c.startPath;
    }
}

TEST(QtHost, WorkerRunsOnItsOwnThreadWhileTheProgressWindowShows)
{
    QWidget window;
    QtHost host(&window);
    std::vector<int> events;
    QObject::connect(&host, &QtHost::workerStarting, [&] { events.push_back(1); });
    QObject::connect(&host, &QtHost::workerFinished, [&] { events.push_back(2); });
    QString label;
    int percent = -1;
    QObject::connect(&host, &QtHost::progressWindowShown, [&](QWidget *shown) {
        auto *progress = static_cast<ProgressWindow *>(shown);
        QObject::connect(progress, &QDialog::finished, [&, progress] {
            label = progress->label();
            percent = progress->percent();
        });
    });

    std::atomic<bool> ranElsewhere = false;
    QElapsedTimer clock;
    clock.start();
    host.runWorker(WorkerSlot::Load, [&](Progress &progress) {
        ranElsewhere = QThread::currentThread() != QApplication::instance()->thread();
        progress.setLabel("Reading log...");
        progress.setPercent(40);
        progress.setPercent(100);
    });
    EXPECT_TRUE(ranElsewhere);
    EXPECT_EQ(events, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(label, QStringLiteral("Reading log..."));
    EXPECT_EQ(percent, 100);
    // The window stays up briefly after the worker so that the operator sees it end.
    EXPECT_GE(clock.elapsed(), ProgressWindow::closeDelayMs);
}

TEST(ProgressWindow, OffersNeitherMinimiseNorMaximise)
{
    QWidget parent;
    ProgressWindow window(&parent);
    window.show();
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint) << "no title bar for a window manager to add buttons to";
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    window.hide();
}

TEST(QtHost, StopClearsTheRunningFlagAndTheWorkerEnds)
{
    QWidget window;
    QtHost host(&window);
    QObject::connect(&host, &QtHost::progressWindowShown, [](QWidget *shown) {
        auto *progress = static_cast<ProgressWindow *>(shown);
        QTimer::singleShot(100, progress, [progress] { progress->stopButton()->click(); });
    });
    std::atomic<int> rounds = 0;
    bool stopped = false;
    host.runWorker(WorkerSlot::Save, [&](Progress &progress) {
        // Gives up after ten seconds so that a broken Stop fails the test instead of hanging it.
        while (progress.isRunning() && rounds < 10000) {
            ++rounds;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        stopped = !progress.isRunning();
    });
    EXPECT_TRUE(stopped);
    EXPECT_LT(rounds, 10000);
}

TEST(QtHost, ClosingTheProgressWindowWaitsForTheWorker)
{
    QWidget window;
    QtHost host(&window);
    QObject::connect(&host, &QtHost::progressWindowShown,
        [](QWidget *shown) { QTimer::singleShot(50, shown, [shown] { shown->close(); }); });
    std::atomic<bool> finished = false;
    host.runWorker(WorkerSlot::Check, [&](Progress &progress) {
        while (progress.isRunning())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the worker tidies up
        finished = true;
    });
    EXPECT_TRUE(finished);
}

TEST(QtHost, MessageBoxesCarryTheProgramCaptionAndReturnTheButton)
{
    QWidget window;
    QtHost host(&window);
    test::MessageBoxAnswerer answerer(QMessageBox::No);
    EXPECT_EQ(host.message(BoxKind::Question, "Save <FREQ>?", BoxButtons::YesNoCancel), Answer::No);
    EXPECT_EQ(host.message(BoxKind::Warning, "No valid entries found."), Answer::Ok);
    EXPECT_EQ(answerer.texts, (QStringList { "Save <FREQ>?", "No valid entries found." }));
}

} // namespace quillog::ui
