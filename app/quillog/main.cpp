// SPDX-License-Identifier: GPL-3.0-or-later
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
    if (!parser.positionalArguments().isEmpty()) {
        const QString path = parser.positionalArguments().constFirst();
        QTimer::singleShot(0, &window, [&window, path] { window.openPath(path); });
    }
    if (parser.isSet(screenshot))
        scheduleScreenshot(window, parser.value(screenshot));
    return QApplication::exec();
}
