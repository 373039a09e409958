// SPDX-License-Identifier: GPL-3.0-or-later
// Measures opening a log in the editor until the grid shows it: the command, the worker, the progress
// window closing and the first paint of the window. Runs offscreen unless a display is chosen.
//   quillog-gui-bench [--qsos N] [--runs R] [FILE]
#include "BenchArguments.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

double openOnce(const QString &path)
{
    QTemporaryDir dataFolder;
    quillog::MemoryKeyValueStore store;
    quillog::ui::MainWindow window(store, dataFolder.path().toStdString());
    window.start();
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    window.openPath(path);
    QApplication::processEvents();
    window.grab(); // paints the window with the grid's first rows
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
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
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
        times.push_back(openOnce(QString::fromStdString(path)));
    std::sort(times.begin(), times.end());
    std::printf("open in the editor until shown: median %.3f s (min %.3f, max %.3f, %d runs) %s\n",
        times[times.size() / 2], times.front(), times.back(), runs, path.c_str());
    return 0;
}
