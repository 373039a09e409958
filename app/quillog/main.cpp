// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ProgramInfo.h"
#include "ui/EditorDataFolder.h"
#include "ui/MainWindow.h"
#include "ui/QSettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

namespace
{

// Saves a picture of the window once it has been drawn and any file opened, then quits.
void scheduleScreenshot(QWidget &window, const QString &path)
{
    QTimer::singleShot(1500, &window, [&window, path] {
        window.grab().save(path);
        QCoreApplication::quit();
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
    if (!parser.positionalArguments().isEmpty()) {
        const QString path = parser.positionalArguments().constFirst();
        QTimer::singleShot(0, &window, [&window, path] { window.openPath(path); });
    }
    if (parser.isSet(screenshotOption))
        scheduleScreenshot(window, parser.value(screenshotOption));
    return QApplication::exec();
}
