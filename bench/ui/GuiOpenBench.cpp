// SPDX-License-Identifier: GPL-3.0-or-later
// Measures opening a log in the editor until the grid shows it (the command, the worker, the progress
// window closing and the first paint of the window), then sorting it by its first field. For both it
// reports the longest time the window's thread went without handling events, which is how long the
// window would stay frozen. Runs offscreen unless a display is chosen.
//   quillog-gui-bench [--qsos N] [--runs R] [FILE]
#include "BenchArguments.h"
#include "core/LogTable.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/DocumentCommands.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

// The longest gap between the ticks of a fast timer on the window's thread while it lives.
class StallWatch
{
public:
    StallWatch()
    {
        m_last.start();
        QObject::connect(
            &m_timer, &QTimer::timeout, [this] { m_longest = std::max(m_longest, m_last.restart()); });
        m_timer.start(10);
    }
    double longestSeconds()
    {
        m_longest = std::max(m_longest, m_last.elapsed());
        return static_cast<double>(m_longest) / 1e3;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_last;
    qint64 m_longest = 0;
};

struct Run {
    double open = 0;
    double openStall = 0;
    double sort = 0;
    double sortStall = 0;
};

template <typename Step> void measure(Step step, double &seconds, double &stall)
{
    QElapsedTimer timer;
    timer.start();
    StallWatch watch;
    step();
    QApplication::processEvents();
    seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    stall = watch.longestSeconds();
}

Run runOnce(const QString &path)
{
    QTemporaryDir dataFolder;
    quillog::MemoryKeyValueStore store;
    quillog::ui::MainWindow window(store, dataFolder.path().toStdString());
    window.start();
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    Run run;
    measure(
        [&] {
            window.openPath(path);
            QApplication::processEvents();
            window.grab(); // paints the window with the grid's first rows
        },
        run.open, run.openStall);
    const int column = window.document().table().fixedColumnCount();
    measure(
        [&] {
            window.commands().sortByColumn(column);
            window.grab();
        },
        run.sort, run.sortStall);
    return run;
}

void printMedians(const char *what, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%s: median %.3f s (min %.3f, max %.3f)\n", what, values[values.size() / 2], values.front(),
        values.back());
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const quillog::bench::BenchArguments arguments = quillog::bench::parseBenchArguments(argc, argv);
    if (arguments.help || !arguments.error.empty())
        return quillog::bench::printUsage("quillog-gui-bench", arguments, "[--qsos N] [--runs R] [FILE]");
    const std::string path = quillog::bench::benchLogPath(arguments);
    const int runs = arguments.runs;
    std::vector<Run> results;
    for (int run = 0; run < runs; ++run)
        results.push_back(runOnce(QString::fromStdString(path)));
    const auto column = [&](double Run::*field) {
        std::vector<double> values;
        for (const Run &run : results)
            values.push_back(run.*field);
        return values;
    };
    std::printf("%d runs on %s\n", runs, path.c_str());
    printMedians("open in the editor until shown", column(&Run::open));
    printMedians("  longest stall of the window during the open", column(&Run::openStall));
    printMedians("sort by the first field until shown", column(&Run::sort));
    printMedians("  longest stall of the window during the sort", column(&Run::sortStall));
    return 0;
}
