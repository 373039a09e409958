// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace quillog
{
class Document;
class RecentFiles;
} // namespace quillog

namespace quillog::ui
{

/// The actions of the main menu, the main toolbar and the Arrow Down bar.
struct MainActions {
    QAction *open = nullptr;
    QAction *reload = nullptr;
    QAction *merge = nullptr;
    QAction *import = nullptr;
    QAction *check = nullptr;
    QAction *nextInvalid = nullptr;
    QAction *previousInvalid = nullptr;
    QAction *find = nullptr;
    QAction *replace = nullptr;
    QAction *convertDate = nullptr;
    QAction *convertTime = nullptr;
    QAction *convertFrequency = nullptr;
    QAction *convertMode = nullptr;
    QAction *makeBand = nullptr;
    QAction *makeFrequency = nullptr;
    QAction *convertDeprecatedModes = nullptr;
    QAction *upperCall = nullptr;
    QAction *lowerCall = nullptr;
    QAction *addColumns = nullptr;
    QAction *fixTime = nullptr;
    QAction *timeOnFromOff = nullptr;
    QAction *timeOffFromOn = nullptr;
    QAction *sortChronologically = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QAction *saveAsCsv = nullptr;
    QAction *exit = nullptr;
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    QAction *copy = nullptr;
    QAction *paste = nullptr;
    QAction *options = nullptr;
    QAction *bands = nullptr;
    QAction *modes = nullptr;
    QAction *submodes = nullptr;
    QAction *bandPlan = nullptr;
    QAction *saveWindowPosition = nullptr;
    QAction *resetWindowPosition = nullptr;
    QAction *arrowDown = nullptr; ///< the button of the Arrow Down bar
    QAction *showToolbar = nullptr;
    QAction *showStatusBar = nullptr;
    QAction *showArrowDownBar = nullptr;
    QAction *homePage = nullptr;
    QAction *updateTemplates = nullptr;
    QAction *about = nullptr;
};

/// What decides which commands are enabled besides the document's own state.
struct ViewState {
    bool hasSelection = false;
    bool clipboardHasText = false;
    bool rowsBelow = false;
};

/// Builds the menus and the two toolbars of the main window, keeps the Recent Files submenu and
/// enables each command by the document's state.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    explicit MainMenus(QMainWindow &window);

    const MainActions &actions() const { return m_actions; }
    QToolBar *mainToolBar() const { return m_toolBar; }
    QToolBar *arrowDownBar() const { return m_arrowBar; }
    QMenu *recentFilesMenu() const { return m_recent; }
    QMenu *toolsMenu() const { return m_tools; }

    void updateEnabled(Document &document, const ViewState &view);
    /// Newest first; each entry carries the command id of its list position.
    void rebuildRecentFiles(const RecentFiles &recent);

Q_SIGNALS:
    void recentFileChosen(int commandId);

private:
    void buildFileMenu(QMainWindow &window);
    void buildEditMenu(QMainWindow &window);
    void buildSearchMenu(QMainWindow &window);
    void buildToolsMenu(QMainWindow &window);
    void buildViewMenu(QMainWindow &window);
    void buildSettingsMenu(QMainWindow &window);
    void buildHelpMenu(QMainWindow &window);
    void buildToolBars(QMainWindow &window);

    MainActions m_actions;
    QMenu *m_recent = nullptr;
    QMenu *m_tools = nullptr;
    QToolBar *m_toolBar = nullptr;
    QToolBar *m_arrowBar = nullptr;
};

} // namespace quillog::ui
