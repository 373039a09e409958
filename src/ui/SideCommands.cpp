// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SideCommands.h"

#include "document/Document.h"
#include "side/Statistics.h"
#include "ui/DocumentCommands.h"
#include "ui/QtHost.h"
#include "ui/dialogs/EqslWindow.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillog::ui
{

QMenu *toolsMenu(QMainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    QAction *view = nullptr;
    for (QAction *action : bar->actions()) {
        if (action->text() == QStringLiteral("&Tools") && action->menu() != nullptr)
            return action->menu();
        if (action->text() == QStringLiteral("&View"))
            view = action;
    }
    auto *menu = new QMenu(QStringLiteral("&Tools"), bar);
    bar->insertMenu(view, menu);
    return menu;
}

SideCommands::SideCommands(Document &document, QtHost &host, DocumentCommands &commands, QMainWindow &window)
    : QObject(&window)
    , m_document(document)
    , m_host(host)
    , m_commands(commands)
    , m_window(window)
{
    QMenu *menu = toolsMenu(window);
    if (!menu->isEmpty())
        menu->addSeparator();
    m_eqsl = menu->addAction(QStringLiteral("eQSL Log Filter..."));
    m_statistics = menu->addAction(QStringLiteral("Stat&istics..."));
    m_statistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    connect(m_eqsl, &QAction::triggered, this, &SideCommands::eqslFilter);
    connect(m_statistics, &QAction::triggered, this, &SideCommands::statistics);
}

void SideCommands::updateEnabled()
{
    m_eqsl->setEnabled(m_document.isLogOpen());
    m_statistics->setEnabled(m_document.isLogOpen());
}

void SideCommands::statistics()
{
    LogStatistics result;
    const bool ran = m_document.runTool(WorkerSlot::Check, "The statistics",
        [&](Progress &progress) { result = countStatistics(m_document.table(), progress); });
    if (!ran)
        return;
    if (!result.ok) {
        m_host.message(BoxKind::Warning, result.message);
        return;
    }
    StatisticsDialog dialog(result, &m_window);
    Q_EMIT dialogOpening(&dialog);
    dialog.exec();
}

void SideCommands::eqslFilter()
{
    if (m_document.refuseWhenBusy())
        return;
    EqslWindow window(m_document, m_host, &m_window);
    connect(&window, &EqslWindow::showInMainWindow, &m_commands, &DocumentCommands::showRow);
    Q_EMIT dialogOpening(&window);
    window.exec();
}

} // namespace quillog::ui
