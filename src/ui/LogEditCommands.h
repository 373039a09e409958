// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMainWindow;

namespace quillog
{
class Document;
} // namespace quillog

namespace quillog::ui
{

class AddQsoDialog;
class QtHost;

/// Open Filtered and Split in the File menu and Add QSOs manually in the Tools menu: each shows its
/// dialog and hands what it collected to the document.
class LogEditCommands : public QObject
{
    Q_OBJECT

public:
    LogEditCommands(Document &document, QtHost &host, QMainWindow &window);

    QAction *openFilteredAction() const { return m_openFiltered; }
    QAction *splitAction() const { return m_split; }
    QAction *addQsosAction() const { return m_addQsos; }
    /// The entry window, once it has been shown.
    AddQsoDialog *addQsoDialog() const { return m_addQsoDialog; }

public Q_SLOTS:
    void openFiltered();
    void split();
    void showAddQsos();

Q_SIGNALS:
    /// A command ran: the window refreshes what depends on the document's state.
    void commandDone();

private:
    Document &m_document;
    QtHost &m_host;
    QMainWindow &m_window;
    QAction *m_openFiltered = nullptr;
    QAction *m_split = nullptr;
    QAction *m_addQsos = nullptr;
    AddQsoDialog *m_addQsoDialog = nullptr; ///< a child of the window, made on first use
};

} // namespace quillog::ui
