// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpCommands.h"

#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "ui/MainMenus.h"
#include "ui/QtHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace quillog::ui
{

namespace
{

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What the updater printed, for a message box: its report, then its complaints.
std::string updaterOutput(QProcess &process)
{
    const QString out = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    const QString err = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return (out.isEmpty() || err.isEmpty() ? out + err : out + QStringLiteral("\n\n") + err).toStdString();
}

} // namespace

HelpCommands::HelpCommands(Document &document, QtHost &host, QMainWindow &window)
    : QObject(&window)
    , m_document(document)
    , m_host(host)
    , m_window(window)
{
}

void HelpCommands::connectActions(const MainActions &actions)
{
    connect(actions.homePage, &QAction::triggered, this, &HelpCommands::openHomePage);
    connect(actions.updateTemplates, &QAction::triggered, this, &HelpCommands::updateTemplates);
    connect(actions.about, &QAction::triggered, this, &HelpCommands::showAbout);
}

QString HelpCommands::updaterPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/quillog-update-templates");
}

QString HelpCommands::documentationPath(const QString &programFolder)
{
    const QDir folder(programFolder);
    for (const QString &candidate :
        { QStringLiteral("../share/doc/quillog/README.md"), QStringLiteral("README.md") }) {
        const QFileInfo file(folder.filePath(candidate));
        if (file.isFile())
            return file.canonicalFilePath();
    }
    return {};
}

QStringList HelpCommands::updaterArguments(const QString &release, const std::string &dataFolder)
{
    return { release, QStringLiteral("--data-folder"), QString::fromStdString(dataFolder) };
}

QString HelpCommands::aboutText(const std::string &adifVersion)
{
    return QStringLiteral("Quillog %1\nADIF version %2\n\nAn editor for amateur-radio logs in ADIF.\n"
                          "Free software under the %3.")
        .arg(fromView(programVersion), QString::fromStdString(adifVersion), fromView(programLicence));
}

void HelpCommands::openHomePage()
{
    // The project has no public web site yet: its documentation is what comes with the program.
    const QString path = documentationPath(QCoreApplication::applicationDirPath());
    if (path.isEmpty()) {
        m_host.message(BoxKind::Information,
            "The Quillog documentation is not installed. \"man quillog\" describes the editor.");
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void HelpCommands::updateTemplates()
{
    const QString path = updaterPath();
    const QFileInfo updater(path);
    if (!updater.isFile() || !updater.isExecutable()) {
        m_host.message(BoxKind::Information,
            "The ADIF template updater (quillog-update-templates) is not "
            "installed beside Quillog.");
        return;
    }
    const QString release = QFileDialog::getOpenFileName(&m_window,
        QStringLiteral("Choose the ADIF release: its .zip file, or any CSV file of its exports folder"),
        QString(), QStringLiteral("ADIF release (*.zip *.csv);;All files (*)"));
    if (release.isEmpty())
        return;
    QProcess process;
    process.start(path, updaterArguments(release, m_document.dataFolder()));
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        m_host.message(BoxKind::Warning, "The ADIF template updater could not be started or did not finish.");
        return;
    }
    const bool updated = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    m_host.message(updated ? BoxKind::Information : BoxKind::Warning, updaterOutput(process));
    if (updated)
        m_document.reloadDefinitions();
}

void HelpCommands::showAbout()
{
    QMessageBox::about(
        &m_window, QStringLiteral("About Quillog"), aboutText(m_document.definitions().adifVersion));
}

} // namespace quillog::ui
