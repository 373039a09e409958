// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/Host.h"

#include <QObject>
#include <QString>

class QWidget;

namespace quillog::ui
{

/// The Host on Qt Widgets: message boxes and file dialogs over the main window, workers on a QThread
/// behind the modal progress window, and the document's notifications as signals.
class QtHost : public QObject, public Host
{
    Q_OBJECT

public:
    explicit QtHost(QWidget *window);

    Answer message(BoxKind kind, std::string_view text, BoxButtons buttons = BoxButtons::Ok) override;
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest &request) override;
    std::optional<std::string> chooseFileToSave(const FileDialogRequest &request) override;
    void runWorker(WorkerSlot slot, const std::function<void(Progress &)> &work) override;
    void titleChanged(std::string_view title) override;
    void statusChanged(int pane, std::string_view text) override;
    void tableReset() override;
    void recentFilesChanged() override;
    void openWithDefaultProgram(const std::string &path) override;

    /// The window the message boxes and the progress window belong to.
    QWidget *window() const { return m_window; }

Q_SIGNALS:
    /// Emitted on the user-interface thread before the worker starts: the view lets go of the table.
    void workerStarting(quillog::WorkerSlot slot);
    /// Emitted once the worker thread has ended and the progress window is closed.
    void workerFinished(quillog::WorkerSlot slot);
    /// The progress window of the running worker has just been created (tests reach it through this).
    void progressWindowShown(QWidget *window);
    void titleTextChanged(const QString &title);
    void statusTextChanged(int pane, const QString &text);
    void tableWasReset();
    void recentFilesWereChanged();

private:
    /// Remembers the folder of a chosen file for the next dialog that has no place of its own.
    std::optional<std::string> chosen(const QString &path);

    QWidget *m_window;
    QString m_lastFolder;
};

/// Turns "Text|patterns|Text|patterns|" into Qt's "Text (patterns);;Text (patterns)". Patterns separated
/// by ";" become blank-separated; a text that already shows its patterns in brackets keeps them.
QString qtFileFilter(std::string_view filter);
/// Where a file dialog opens: the document's start path (a folder, or the file a save proposes), else
/// the last folder used while it still exists, else the home folder.
QString dialogStart(const std::string &startPath, const QString &lastFolder);
/// Appends ".extension" to a chosen name without one; the name is kept when it has any extension.
QString withDefaultExtension(const QString &path, std::string_view extension);

} // namespace quillog::ui
