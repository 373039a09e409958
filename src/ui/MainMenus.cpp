// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainMenus.h"

#include "document/Document.h"
#include "settings/RecentFiles.h"
#include "ui/PngImage.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace quillog::ui
{

namespace
{

QAction *addAction(
    QMenu *menu, const QString &text, const QKeySequence &shortcut = {}, const QString &icon = {})
{
    QAction *action = menu->addAction(text);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    if (!icon.isEmpty())
        action->setIcon(pngIcon(QStringLiteral(":/icons/%1.png").arg(icon)));
    action->setIconVisibleInMenu(true);
    return action;
}

} // namespace

MainMenus::MainMenus(QMainWindow &window)
    : QObject(&window)
{
    buildFileMenu(window);
    buildEditMenu(window);
    buildSearchMenu(window);
    buildToolsMenu(window);
    buildToolBars(window);
    buildViewMenu(window);
    buildSettingsMenu(window);
    buildHelpMenu(window);
}

void MainMenus::buildFileMenu(QMainWindow &window)
{
    QMenu *menu = window.menuBar()->addMenu(tr("&File"));
    m_actions.open = addAction(menu, QStringLiteral("&Open..."), QKeySequence(Qt::CTRL | Qt::Key_O), "open");
    m_actions.reload
        = addAction(menu, QStringLiteral("Reload"), QKeySequence(Qt::CTRL | Qt::Key_R), "reload");
    m_actions.merge
        = addAction(menu, QStringLiteral("&Merge ADIF Log..."), QKeySequence(Qt::CTRL | Qt::Key_M));
    m_actions.import
        = addAction(menu, QStringLiteral("&Import..."), QKeySequence(Qt::CTRL | Qt::Key_I), "import");
    m_actions.check = addAction(menu, QStringLiteral("&Check"), QKeySequence(Qt::CTRL | Qt::Key_D));
    menu->addSeparator();
    m_actions.save = addAction(menu, QStringLiteral("&Save..."), QKeySequence(Qt::CTRL | Qt::Key_S), "save");
    m_actions.saveAs = addAction(
        menu, QStringLiteral("&Save As..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), "save-as");
    m_actions.saveAsCsv
        = addAction(menu, QStringLiteral("Save as Excel CSV..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    menu->addSeparator();
    m_recent = menu->addMenu(QStringLiteral("&Recent Files"));
    menu->addSeparator();
    m_actions.exit = addAction(menu, QStringLiteral("E&xit"));
    // The desktop's Quit key besides the window's own close key.
    m_actions.exit->setShortcuts({ QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4) });
    m_actions.exit->setMenuRole(QAction::QuitRole);
}

void MainMenus::buildEditMenu(QMainWindow &window)
{
    QMenu *menu = window.menuBar()->addMenu(tr("&Edit"));
    m_actions.undo = addAction(menu, QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z), "undo");
    m_actions.redo = addAction(menu, QStringLiteral("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y), "redo");
    menu->addSeparator();
    m_actions.copy = addAction(menu, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), "copy");
    m_actions.paste = addAction(menu, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), "paste");
    m_actions.paste->setStatusTip(QStringLiteral("Inserts the Clipboard contents above the selected line"));
    menu->addSeparator();
    m_actions.nextInvalid = addAction(menu, QStringLiteral("&Next Invalid QSO"), QKeySequence(Qt::Key_F2));
    m_actions.previousInvalid
        = addAction(menu, QStringLiteral("&Previous Invalid QSO "), QKeySequence(Qt::SHIFT | Qt::Key_F2));
}

void MainMenus::buildSearchMenu(QMainWindow &window)
{
    QMenu *menu = window.menuBar()->addMenu(tr("&Search"));
    m_actions.find = addAction(menu, QStringLiteral("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F));
    m_actions.replace = addAction(menu, QStringLiteral("&Replace..."), QKeySequence(Qt::CTRL | Qt::Key_H));
}

void MainMenus::buildToolsMenu(QMainWindow &window)
{
    m_tools = window.menuBar()->addMenu(tr("&Tools"));
    m_actions.convertDate = addAction(m_tools, QStringLiteral("Convert &Date..."));
    m_actions.convertTime = addAction(m_tools, QStringLiteral("Convert &Time..."));
    m_actions.convertFrequency = addAction(m_tools, QStringLiteral("Convert &Frequency..."));
    m_actions.convertMode = addAction(m_tools, QStringLiteral("Convert &Mode..."));
    m_tools->addSeparator();
    m_actions.makeBand = addAction(m_tools, QStringLiteral("Make <&BAND> from <FREQ>"));
    m_actions.makeFrequency = addAction(m_tools, QStringLiteral("Make <FRE&Q> from <BAND>"));
    m_actions.convertDeprecatedModes = addAction(m_tools, QStringLiteral("Con&vert Deprecated Modes"));
    m_tools->addSeparator();
    m_actions.upperCall = addAction(m_tools, QStringLiteral("Make <CALL> &Uppercase"));
    m_actions.lowerCall = addAction(m_tools, QStringLiteral("Make <CALL> &Lowercase"));
    m_actions.addColumns
        = addAction(m_tools, QStringLiteral("Add Multiple &Columns..."), QKeySequence(Qt::CTRL | Qt::Key_L));
    m_tools->addSeparator();
    m_actions.fixTime
        = addAction(m_tools, QStringLiteral("Fix Time &values..."), QKeySequence(Qt::CTRL | Qt::Key_T));
    m_actions.timeOnFromOff = addAction(m_tools, QStringLiteral("Set <TIME_ON> = <TIME_OFF>"));
    m_actions.timeOffFromOn = addAction(m_tools, QStringLiteral("Set <TIME_OFF> = <TIME_ON>"));
    m_actions.sortChronologically = addAction(m_tools, QStringLiteral("&Sort by QSO Date and Time"));
}

void MainMenus::buildToolBars(QMainWindow &window)
{
    m_toolBar = window.addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(22, 22));
    for (QAction *action : { m_actions.open, m_actions.import, m_actions.save, m_actions.saveAs })
        m_toolBar->addAction(action);
    m_toolBar->addSeparator();
    for (QAction *action : { m_actions.undo, m_actions.redo, m_actions.copy, m_actions.paste })
        m_toolBar->addAction(action);

    m_arrowBar = window.addToolBar(tr("Arrow Down"));
    m_arrowBar->setObjectName(QStringLiteral("arrowDownBar"));
    m_arrowBar->setIconSize(QSize(22, 22));
    m_actions.arrowDown
        = m_arrowBar->addAction(pngIcon(QStringLiteral(":/icons/arrow-down.png")), tr("Last row"));
}

void MainMenus::buildViewMenu(QMainWindow &window)
{
    QMenu *menu = window.menuBar()->addMenu(tr("&View"));
    m_actions.showToolbar = m_toolBar->toggleViewAction();
    m_actions.showToolbar->setText(QStringLiteral("&Toolbar"));
    menu->addAction(m_actions.showToolbar);
    m_actions.showStatusBar = menu->addAction(QStringLiteral("&Status Bar"));
    m_actions.showStatusBar->setCheckable(true);
    m_actions.showStatusBar->setChecked(true);
    connect(m_actions.showStatusBar, &QAction::toggled, window.statusBar(), &QWidget::setVisible);
    m_actions.showArrowDownBar = m_arrowBar->toggleViewAction();
    m_actions.showArrowDownBar->setText(QStringLiteral("&Arrow Down"));
    menu->addAction(m_actions.showArrowDownBar);
}

void MainMenus::buildSettingsMenu(QMainWindow &window)
{
    QMenu *menu = window.menuBar()->addMenu(tr("&Settings"));
    m_actions.options = addAction(menu, QStringLiteral("&Options..."), QKeySequence(Qt::Key_F7), "options");
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_actions.options);
    menu->addSeparator();
    m_actions.bands = addAction(menu, QStringLiteral("&Bands..."));
    m_actions.modes = addAction(menu, QStringLiteral("&Modes..."));
    m_actions.submodes = addAction(menu, QStringLiteral("S&ubmodes..."));
    m_actions.bandPlan = addAction(menu, QStringLiteral("B&and to Freq Plan..."));
    menu->addSeparator();
    m_actions.saveWindowPosition = addAction(menu, QStringLiteral("&Save Window Position"));
    m_actions.resetWindowPosition = addAction(menu, QStringLiteral("&Reset Window Position"));
}

void MainMenus::buildHelpMenu(QMainWindow &window)
{
    QMenu *menu = window.menuBar()->addMenu(tr("&Help"));
    m_actions.homePage = addAction(menu, QStringLiteral("&Home page"));
    m_actions.updateTemplates = addAction(menu, QStringLiteral("&Update ADIF templates..."));
    menu->addSeparator();
    m_actions.about = addAction(menu, QStringLiteral("&About Quillog..."));
}

void MainMenus::updateEnabled(Document &document, const ViewState &view)
{
    const bool open = document.isLogOpen();
    m_actions.reload->setEnabled(document.canReload());
    m_actions.merge->setEnabled(open);
    m_actions.check->setEnabled(open);
    m_actions.nextInvalid->setEnabled(document.canStepThroughInvalid());
    m_actions.previousInvalid->setEnabled(document.canStepThroughInvalid());
    m_actions.save->setEnabled(document.canSave());
    m_actions.saveAs->setEnabled(open);
    m_actions.saveAsCsv->setEnabled(open);
    m_actions.undo->setEnabled(document.journal().canUndo());
    m_actions.redo->setEnabled(document.journal().canRedo());
    m_actions.copy->setEnabled(view.hasSelection);
    m_actions.paste->setEnabled(open && view.clipboardHasText);
    m_actions.arrowDown->setEnabled(open && view.rowsBelow);
    for (QAction *action : { m_actions.find, m_actions.replace })
        action->setEnabled(open);
    for (QAction *action : m_tools->actions())
        action->setEnabled(open);
}

void MainMenus::rebuildRecentFiles(const RecentFiles &recent)
{
    m_recent->clear();
    for (int index = recent.count() - 1; index >= 0; --index) {
        QString path = QFile::decodeName(recent.pathAt(index).c_str());
        // An "&" of the path is text, not the mark of a menu key.
        QAction *action = m_recent->addAction(path.replace(QLatin1Char('&'), QStringLiteral("&&")));
        const int commandId = RecentFiles::firstCommandId + index;
        connect(action, &QAction::triggered, this, [this, commandId] { Q_EMIT recentFileChosen(commandId); });
    }
    m_recent->setEnabled(recent.count() > 0);
}

} // namespace quillog::ui
