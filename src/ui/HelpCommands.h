// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

class QMainWindow;

namespace quillog
{
class Document;
} // namespace quillog

namespace quillog::ui
{

class QtHost;
struct MainActions;

/// The Help menu: the installed documentation, the template updater and the About box.
class HelpCommands : public QObject
{
    Q_OBJECT

public:
    HelpCommands(Document &document, QtHost &host, QMainWindow &window);
    void connectActions(const MainActions &actions);

    /// The updater's path beside the running program.
    static QString updaterPath();
    /// The documentation "&Home page" opens: the README installed with the program
    /// (../share/doc/quillog/README.md from the program's folder, or beside it in a build tree); empty
    /// when there is none.
    static QString documentationPath(const QString &programFolder);
    /// The updater's arguments: the release the operator chose (its .zip, its exports folder, or a CSV
    /// file of that folder, which stands for the folder) and the operator's data folder.
    static QStringList updaterArguments(const QString &release, const std::string &dataFolder);
    /// The About box text: program, version, licence and the ADIF version of the definitions.
    static QString aboutText(const std::string &adifVersion);

public Q_SLOTS:
    void openHomePage();
    void updateTemplates();
    void showAbout();

private:
    Document &m_document;
    QtHost &m_host;
    QMainWindow &m_window;
};

} // namespace quillog::ui
