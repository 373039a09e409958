// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;

namespace quillog
{
class Document;
}

namespace quillog::ui
{

class DocumentCommands;
class QtHost;

/// The Tools menu's side tools: "eQSL Log Filter..." and "Statistics...". Each runs its core function
/// behind the progress window and shows the result in its own dialog.
class SideCommands : public QObject
{
    Q_OBJECT

public:
    SideCommands(Document &document, QtHost &host, DocumentCommands &commands, QMainWindow &window);

    QAction *eqslFilterAction() const { return m_eqsl; }
    QAction *statisticsAction() const { return m_statistics; }
    /// Both need an open log.
    void updateEnabled();

public Q_SLOTS:
    void statistics();
    void eqslFilter();

Q_SIGNALS:
    /// A dialog was just created; tests reach it through this before it is shown.
    void dialogOpening(QWidget *dialog);

private:
    Document &m_document;
    QtHost &m_host;
    DocumentCommands &m_commands;
    QMainWindow &m_window;
    QAction *m_eqsl = nullptr;
    QAction *m_statistics = nullptr;
};

/// The window's "&Tools" menu, created in front of the "&View" menu when the window has none yet.
QMenu *toolsMenu(QMainWindow &window);

} // namespace quillog::ui
