// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include "document/Document.h"
#include "ui/DocumentCommands.h"
#include "ui/GridFont.h"
#include "ui/GridMenus.h"
#include "ui/GridView.h"
#include "ui/HelpCommands.h"
#include "ui/LogEditCommands.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/PngImage.h"
#include "ui/QtHost.h"
#include "ui/SearchCommands.h"
#include "ui/SettingsCommands.h"
#include "ui/SideCommands.h"
#include "ui/StructureCommands.h"
#include "ui/ToolCommands.h"
#include "ui/ValidationCommands.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QStatusBar>
#include <utility>

namespace quillog::ui
{

MainWindow::MainWindow(KeyValueStore &store, const std::string &dataFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_store(store)
    , m_host(std::make_unique<QtHost>(this))
    , m_document(std::make_unique<Document>(
          *m_host, store, QCoreApplication::applicationDirPath().toStdString(), dataFolder))
{
    setWindowTitle(QStringLiteral("Quillog[*]"));
    setWindowIcon(programIcon());
    setAcceptDrops(true);
    m_model = new LogTableModel(m_document->table(), m_document->journal(), this);
    m_view = new GridView(m_document->table(), *m_model, this);
    setCentralWidget(m_view);
    buildStatusBar();
    m_menus = new MainMenus(*this);
    m_commands = new DocumentCommands(*m_document, *m_host, *m_model, *m_view, this);
    m_commands->connectActions(m_menus->actions());
    m_settingsCommands = new SettingsCommands(*m_document, store, *m_host, *this);
    m_settingsCommands->connectActions(m_menus->actions());
    m_helpCommands = new HelpCommands(*m_document, *m_host, *this);
    m_helpCommands->connectActions(m_menus->actions());
    m_tools = new ToolCommands(*m_document, *m_host, *m_model, *m_view, *this, this);
    m_tools->connectActions(m_menus->actions());
    m_search = new SearchCommands(*m_document, *m_host, *m_model, *m_view, *m_tools, *this, this);
    m_search->connectActions(m_menus->actions());
    m_logEditCommands = new LogEditCommands(*m_document, *m_host, *this);
    m_side = new SideCommands(*m_document, *m_host, *m_commands, *this);
    // Validate closes the Tools menu, after the side tools.
    m_validationCommands = new ValidationCommands(*m_document, *m_model, *m_view, *m_commands, *this);
    m_gridMenus = new GridMenus(*m_document, *m_view, *m_commands, m_menus->actions(), this);
    m_gridMenus->setToolCommands(m_tools, m_search);
    auto *structure = new StructureCommands(*m_document, *m_tools, *m_model, *m_view, *this, this);
    structure->connectActions(m_menus->actions());
    m_gridMenus->setStructureCommands(structure);
    m_document->journal().setColumnWidthSource(
        [this](int column) { return m_view->tableColumnWidth(column); });
    connectHost();
    resize(1000, 640);
}

MainWindow::~MainWindow()
{
    // The widgets outlive the document, whose table goes first: closing them must not read it.
    m_model->freeze();
}

void MainWindow::buildStatusBar()
{
    const QFontMetrics metrics(font());
    for (std::size_t pane = 0; pane < m_panes.size(); ++pane)
        m_panes[pane] = new QLabel(this);
    m_panes[0]->setText(QStringLiteral("Ready"));
    statusBar()->addWidget(m_panes[0], 1);
    m_panes[1]->setMinimumWidth(
        metrics.horizontalAdvance(QStringLiteral("Row: 0123456 Column: 0123456 Selected: 0123456")) + 24);
    m_panes[2]->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("QSOs: 1234567890")) + 24);
    statusBar()->addPermanentWidget(m_panes[1]);
    statusBar()->addPermanentWidget(m_panes[2]);
}

void MainWindow::connectHost()
{
    connect(m_host.get(), &QtHost::titleTextChanged, this, &MainWindow::showTitle);
    connect(m_host.get(), &QtHost::statusTextChanged, this, [this](int pane, const QString &text) {
        if (pane >= 0 && pane < int(m_panes.size()))
            m_panes[std::size_t(pane)]->setText(text);
    });
    connect(m_host.get(), &QtHost::tableWasReset, this, [this] {
        m_view->resetKeepingWidths();
        // The document resets the table once a load has numbered its rows: size the columns now.
        if (std::exchange(m_sizeColumnsAtReset, false))
            m_view->sizeColumnsAfterLoad();
        refreshActions();
    });
    connect(m_host.get(), &QtHost::recentFilesWereChanged, this,
        [this] { m_menus->rebuildRecentFiles(m_document->recentFiles()); });
    connect(
        m_host.get(), &QtHost::workerStarting, this, [this](WorkerSlot slot) { workerStarting(int(slot)); });
    connect(
        m_host.get(), &QtHost::workerFinished, this, [this](WorkerSlot slot) { workerFinished(int(slot)); });

    connect(m_menus, &MainMenus::recentFileChosen, this, [this](int commandId) {
        m_document->openRecent(commandId);
        refreshActions();
    });
    connect(m_commands, &DocumentCommands::commandDone, this, &MainWindow::refreshActions);
    connect(m_tools, &ToolCommands::commandDone, this, &MainWindow::refreshActions);
    connect(m_logEditCommands, &LogEditCommands::commandDone, this, &MainWindow::refreshActions);
    connect(m_settingsCommands, &SettingsCommands::settingsChanged, this, &MainWindow::applySettings);
    connect(m_view, &GridView::positionChanged, m_panes[1], &QLabel::setText);
    connect(m_view, &GridView::positionChanged, this, &MainWindow::refreshActions);
    connect(m_view, &GridView::rowsBelowChanged, this, &MainWindow::refreshActions);
    connect(m_view, &GridView::columnMoveRequested, m_commands, &DocumentCommands::moveColumn);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &MainWindow::refreshActions);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MainWindow::refreshActions);
    const MainActions &actions = m_menus->actions();
    connect(actions.exit, &QAction::triggered, this, &QWidget::close);
    connect(actions.arrowDown, &QAction::triggered, m_view, &GridView::scrollToLastRow);
}

void MainWindow::start()
{
    m_settingsCommands->applyWindowPosition();
    m_document->start();
    applySettings();
    refreshActions();
}

void MainWindow::applySettings()
{
    const GridAppearance &appearance = m_document->settings().grid;
    m_view->applyAppearance(appearance, gridFont(appearance.fontDescription));
}

void MainWindow::openPath(const QString &path)
{
    m_document->openPath(QFile::encodeName(path).toStdString());
    refreshActions();
}

void MainWindow::workerStarting(int)
{
    // The worker may change the table's shape, which drops the table's own note of the selection;
    // the view's selection survives a thaw that only appends.
    m_selectionBeforeWorker = m_view->selectionModel()->selection();
    m_model->freeze();
}

void MainWindow::workerFinished(int slot)
{
    m_model->thaw();
    const auto worker = WorkerSlot(slot);
    // A merge (in the load slot) keeps the grid's shape; other loads start afresh.
    if ((worker == WorkerSlot::Load || worker == WorkerSlot::Import) && !m_document->isMerging()) {
        m_document->table().clearSelection();
        m_sizeColumnsAtReset = true;
    } else {
        m_view->restoreSelection(m_selectionBeforeWorker);
    }
    m_selectionBeforeWorker.clear();
    refreshActions();
}

void MainWindow::showTitle(QString title)
{
    // "[*]" marks where Qt shows the modified state; one that belongs to the path is doubled to stay text.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(title + QStringLiteral("[*]"));
}

void MainWindow::refreshActions()
{
    setWindowModified(m_document->isLogOpen() && m_document->isModified());
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    ViewState state;
    state.hasSelection = m_view->selectionModel() && m_view->selectionModel()->hasSelection();
    state.clipboardHasText = clipboard != nullptr && clipboard->hasText();
    state.rowsBelow = m_view->rowsBelow();
    m_menus->updateEnabled(*m_document, state);
    m_side->updateEnabled();
    m_validationCommands->validateAction()->setEnabled(m_document->isLogOpen());
}

QString MainWindow::statusText(int pane) const
{
    return m_panes.at(std::size_t(pane))->text();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_document->isBusy() || !m_document->close()) {
        event->ignore();
        refreshActions();
        return;
    }
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    // Only the first dropped file is opened.
    if (!urls.isEmpty() && urls.constFirst().isLocalFile()) {
        event->acceptProposedAction();
        openPath(urls.constFirst().toLocalFile());
    }
}

} // namespace quillog::ui
