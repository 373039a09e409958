// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LogEditCommands.h"

#include "document/Document.h"
#include "side/FilterSettings.h"
#include "ui/QtHost.h"
#include "ui/dialogs/AddQsoDialog.h"
#include "ui/dialogs/FiltersDialog.h"
#include "ui/dialogs/SplitCountDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillog::ui
{

namespace
{

// The menu of the menu bar with that title; a new one before Help when there is none.
QMenu *menuNamed(QMainWindow &window, const QString &title)
{
    QMenu *help = nullptr;
    for (QAction *action : window.menuBar()->actions()) {
        if (action->menu() != nullptr && action->text() == title)
            return action->menu();
        if (action->menu() != nullptr && action->text() == QStringLiteral("&Help"))
            help = action->menu();
    }
    auto *menu = new QMenu(title, window.menuBar());
    window.menuBar()->insertMenu(help != nullptr ? help->menuAction() : nullptr, menu);
    return menu;
}

// The action of the menu with that text, for placing new entries beside it; null when missing.
QAction *actionNamed(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

QAction *insertAfter(QMenu *menu, QAction *before, const QString &text, const QKeySequence &shortcut)
{
    const QList<QAction *> actions = menu->actions();
    const qsizetype at = before != nullptr ? actions.indexOf(before) : -1;
    QAction *next = at >= 0 && at + 1 < actions.size() ? actions.at(at + 1) : nullptr;
    auto *action = new QAction(text, menu);
    action->setShortcut(shortcut);
    menu->insertAction(next, action);
    return action;
}

} // namespace

LogEditCommands::LogEditCommands(Document &document, QtHost &host, QMainWindow &window)
    : QObject(&window)
    , m_document(document)
    , m_host(host)
    , m_window(window)
{
    QMenu *file = menuNamed(window, QStringLiteral("&File"));
    m_openFiltered = insertAfter(file, actionNamed(file, QStringLiteral("&Open...")),
        QStringLiteral("Open &Filtered..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    m_split
        = insertAfter(file, actionNamed(file, QStringLiteral("&Save As...")), QStringLiteral("Split..."), {});
    m_split->setStatusTip(QStringLiteral("Splits an existing log file"));
    QMenu *tools = menuNamed(window, QStringLiteral("&Tools"));
    m_addQsos = tools->addAction(QStringLiteral("&Add QSOs manually"));
    // Ctrl+Q is the desktop's Quit key: the entry window takes the key beside it.
    m_addQsos->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    connect(m_openFiltered, &QAction::triggered, this, &LogEditCommands::openFiltered);
    connect(m_split, &QAction::triggered, this, &LogEditCommands::split);
    connect(m_addQsos, &QAction::triggered, this, &LogEditCommands::showAddQsos);
}

void LogEditCommands::openFiltered()
{
    if (m_document.refuseWhenBusy())
        return;
    FiltersDialog dialog(
        filterFilePath(m_document.dataFolder()), m_document.definitions(), m_host, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_document.openFiltered(dialog.settings());
    Q_EMIT commandDone();
}

void LogEditCommands::split()
{
    if (!m_document.beginSplit())
        return;
    SplitCountDialog dialog(
        m_document.table().qsoCount(),
        [this](int count) {
            const std::string problem = m_document.splitCountProblem(count);
            if (!problem.empty())
                m_host.message(BoxKind::Warning, problem);
            return problem.empty();
        },
        &m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_document.split(dialog.count());
    Q_EMIT commandDone();
}

void LogEditCommands::showAddQsos()
{
    if (m_addQsoDialog == nullptr) {
        const Definitions &lists = m_document.definitions();
        m_addQsoDialog
            = new AddQsoDialog(lists.bands, lists.submodes.empty() ? lists.modes : lists.submodes, &m_window);
        connect(m_addQsoDialog, &AddQsoDialog::recordReady, this, [this](const std::string &record) {
            m_document.addRecord(record);
            Q_EMIT commandDone();
        });
        m_addQsoDialog->adjustSize();
        m_addQsoDialog->move(m_window.geometry().center() - m_addQsoDialog->rect().center());
    }
    m_addQsoDialog->show();
    m_addQsoDialog->raise();
    m_addQsoDialog->activateWindow();
}

} // namespace quillog::ui
