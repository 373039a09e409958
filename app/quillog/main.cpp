// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EditorDataFolder.h"
#include "ui/MainWindow.h"
#include "ui/QSettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

namespace
{

// Opens the log, if any, and saves a picture of the window once the load has finished and the window
// has been drawn, then quits. Nobody is there to answer a message: each is printed and closed.
void takeScreenshot(quillog::ui::MainWindow &window, const QString &picture, const QString &log)
{
    auto *answerer = new QTimer(&window);
    QObject::connect(answerer, &QTimer::timeout, &window, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            qWarning("%s", qPrintable(box->text()));
            box->reject();
        }
    });
    answerer->start(200);
    QTimer::singleShot(0, &window, [&window, picture, log] {
        if (!log.isEmpty())
            window.openPath(log); // returns when the load has finished
        QTimer::singleShot(1500, &window, [&window, picture] {
            window.grab().save(picture);
            QCoreApplication::quit();
        });
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillog"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillog"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quillog, an editor for amateur-radio logs in ADIF"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Save a picture of the window to <png> and quit."), QStringLiteral("png"));
    parser.addOption(screenshot);
    parser.addPositionalArgument(QStringLiteral("log"), QStringLiteral("The ADIF log to open."));
    parser.process(application);

    quillog::ui::QSettingsStore store;
    quillog::ui::MainWindow window(store, quillog::ui::editorDataFolder());
    window.start();
    window.show();
    const QString log
        = parser.positionalArguments().isEmpty() ? QString() : parser.positionalArguments().constFirst();
    if (parser.isSet(screenshot))
        takeScreenshot(window, parser.value(screenshot), log);
    else if (!log.isEmpty())
        QTimer::singleShot(0, &window, [&window, log] { window.openPath(log); });
    return QApplication::exec();
}
