// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QItemSelection>
#include <QMainWindow>
#include <array>
#include <memory>

class QLabel;

namespace quillog
{
class Document;
class KeyValueStore;
} // namespace quillog

namespace quillog::ui
{

class DocumentCommands;
class GridMenus;
class GridView;
class HelpCommands;
class LogEditCommands;
class LogTableModel;
class MainMenus;
class QtHost;
class SearchCommands;
class SettingsCommands;
class SideCommands;
class ValidationCommands;
class ToolCommands;

/// The editor window: the grid over the document's log table, the menus and toolbars, three status
/// panes and dropped files. The commands themselves live in the handler classes.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// store: where settings, recent files and the window position live; dataFolder: the operator's
    /// list, band plan and filter files.
    MainWindow(KeyValueStore &store, const std::string &dataFolder, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Reads settings, definitions and recent files and shows the empty grid.
    void start();
    /// Opens a file given on the command line.
    void openPath(const QString &path);

    Document &document() { return *m_document; }
    QtHost &host() { return *m_host; }
    GridView &view() { return *m_view; }
    LogTableModel &model() { return *m_model; }
    MainMenus &menus() { return *m_menus; }
    GridMenus &gridMenus() { return *m_gridMenus; }
    DocumentCommands &commands() { return *m_commands; }
    LogEditCommands &logEditCommands() { return *m_logEditCommands; }
    SideCommands &sideCommands() { return *m_side; }
    ValidationCommands &validationCommands() { return *m_validationCommands; }
    ToolCommands &tools() { return *m_tools; }
    SearchCommands &search() { return *m_search; }
    QString statusText(int pane) const;

public Q_SLOTS:
    /// Enables each command by the document's state and the view's.
    void refreshActions();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildStatusBar();
    void showTitle(QString title);
    void connectHost();
    void applySettings();
    void workerStarting(int slot);
    void workerFinished(int slot);

    KeyValueStore &m_store;
    std::unique_ptr<QtHost> m_host; // before the document, which uses it to its end
    std::unique_ptr<Document> m_document;
    LogTableModel *m_model = nullptr;
    GridView *m_view = nullptr;
    MainMenus *m_menus = nullptr;
    DocumentCommands *m_commands = nullptr;
    ToolCommands *m_tools = nullptr;
    SearchCommands *m_search = nullptr;
    SettingsCommands *m_settingsCommands = nullptr;
    SideCommands *m_side = nullptr;
    HelpCommands *m_helpCommands = nullptr;
    LogEditCommands *m_logEditCommands = nullptr;
    GridMenus *m_gridMenus = nullptr;
    ValidationCommands *m_validationCommands = nullptr;
    std::array<QLabel *, 3> m_panes {};
    bool m_sizeColumnsAtReset = false; // a load or import starts the grid afresh
    QItemSelection m_selectionBeforeWorker;
};

} // namespace quillog::ui
