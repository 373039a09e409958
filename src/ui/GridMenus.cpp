// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridMenus.h"

#include "document/Document.h"
#include "ui/DocumentCommands.h"
#include "ui/GridView.h"
#include "ui/MainMenus.h"

#include <QItemSelectionModel>
#include <QMenu>
#include <memory>

namespace quillog::ui
{

GridMenus::GridMenus(Document &document, GridView &view, DocumentCommands &commands,
    const MainActions &actions, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_view(view)
    , m_commands(commands)
    , m_actions(actions)
{
    connect(&m_view, &GridView::headerClicked, this, &GridMenus::showHeaderMenu);
    connect(&m_view, &GridView::cornerClicked, this, &GridMenus::showCornerMenu);
    connect(&m_view, &GridView::cellMenuRequested, this, &GridMenus::showCellMenu);
}

QMenu *GridMenus::headerMenu(int tableColumn, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    QAction *sort = menu->addAction(QStringLiteral("Sort This Column"));
    sort->setEnabled(m_document.table().qsoCount() > 0);
    connect(sort, &QAction::triggered, &m_commands,
        [this, tableColumn] { m_commands.sortByColumn(tableColumn); });
    return menu;
}

QMenu *GridMenus::cornerMenu(QWidget *parent)
{
    // The "#" column has a menu only while there are QSOs to sort or number.
    if (m_document.table().fixedColumnCount() == 0 || m_document.table().qsoCount() == 0)
        return nullptr;
    auto *menu = new QMenu(parent);
    connect(menu->addAction(QStringLiteral("Sort This Column")), &QAction::triggered, &m_commands,
        [this] { m_commands.sortByColumn(0); });
    connect(menu->addAction(QStringLiteral("Enumerate Rows")), &QAction::triggered, &m_commands,
        &DocumentCommands::enumerateRows);
    return menu;
}

void GridMenus::addRowCopies(QMenu &menu, bool severalRows)
{
    const QString rows = severalRows ? QStringLiteral("Rows") : QStringLiteral("Row");
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Copy Selected %1 as CSV").arg(rows)), &QAction::triggered,
        &m_commands, &DocumentCommands::copySelectedRowsAsCsv);
    connect(menu.addAction(QStringLiteral("Copy Selected %1 as ADIF").arg(rows)), &QAction::triggered,
        &m_commands, &DocumentCommands::copySelectedRowsAsAdif);
    connect(menu.addAction(QStringLiteral("Save Selected %1 as ADIF").arg(rows)), &QAction::triggered,
        &m_commands, &DocumentCommands::saveSelected);
}

QMenu *GridMenus::cellMenu(const QModelIndex &index, QWidget *parent)
{
    const LogTable &table = m_document.table();
    if (!index.isValid() || (table.qsoCount() > 0 && !m_document.isLogOpen()))
        return nullptr;
    QItemSelectionModel *selection = m_view.selectionModel();
    // A right click outside the selection makes the clicked cell the selection.
    if (!selection->isSelected(index))
        selection->select(index, QItemSelectionModel::ClearAndSelect);
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);

    const CellRange range = table.selection();
    const bool severalColumns = range.isValid() && range.lastColumn > range.firstColumn;
    const bool severalRows = range.isValid() && range.lastRow > range.firstRow;
    if (!severalColumns && !severalRows)
        selection->select(index, QItemSelectionModel::ClearAndSelect);

    auto *menu = new QMenu(parent);
    menu->addAction(m_actions.copy);
    menu->addAction(m_actions.paste);
    if (severalColumns || severalRows)
        addRowCopies(*menu, severalRows);
    return menu;
}

QStringList GridMenus::itemTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.actions())
        texts.append(action->isSeparator() ? QString() : action->text());
    return texts;
}

void GridMenus::showHeaderMenu(int tableColumn, const QPoint &globalPos)
{
    std::unique_ptr<QMenu> menu(headerMenu(tableColumn, &m_view));
    menu->exec(globalPos);
}

void GridMenus::showCornerMenu(const QPoint &globalPos)
{
    std::unique_ptr<QMenu> menu(cornerMenu(&m_view));
    if (menu)
        menu->exec(globalPos);
}

void GridMenus::showCellMenu(const QModelIndex &index, const QPoint &globalPos)
{
    std::unique_ptr<QMenu> menu(cellMenu(index, &m_view));
    if (menu)
        menu->exec(globalPos);
}

} // namespace quillog::ui
