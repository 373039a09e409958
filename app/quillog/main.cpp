// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramInfo.h"
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

// The program's names and version, which the settings' location and --version use.
void nameApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quillog"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillog"));
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(quillog::programVersion.data(), qsizetype(quillog::programVersion.size())));
}

// --help and --version print text and quit, so they must work without a display.
bool asksOnlyForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "-h" || word == "--help" || word == "--help-all" || word == "-v" || word == "--version")
            return true;
    }
    return false;
}

const QCommandLineOption screenshotOption(QStringLiteral("screenshot"),
    QStringLiteral("Save a picture of the window to <png> and quit."), QStringLiteral("png"));

void describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral("Quillog, an editor for amateur-radio logs in ADIF"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(screenshotOption);
    parser.addPositionalArgument(QStringLiteral("log"), QStringLiteral("The ADIF log to open."));
}

} // namespace

int main(int argc, char *argv[])
{
    QCommandLineParser parser;
    describeCommandLine(parser);
    if (asksOnlyForText(argc, argv)) {
        QCoreApplication application(argc, argv);
        nameApplication();
        parser.process(application); // prints and exits
        return 0;
    }
    QApplication application(argc, argv);
    nameApplication();
    // Ties the window to the installed desktop entry, whose icon the desktop then shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillog"));
    parser.process(application);

    quillog::ui::QSettingsStore store;
    quillog::ui::MainWindow window(store, quillog::ui::editorDataFolder());
    window.start();
    window.show();
    const QString log
        = parser.positionalArguments().isEmpty() ? QString() : parser.positionalArguments().constFirst();
    if (parser.isSet(screenshotOption))
        takeScreenshot(window, parser.value(screenshotOption), log);
    else if (!log.isEmpty())
        QTimer::singleShot(0, &window, [&window, log] { window.openPath(log); });
    return QApplication::exec();
}
