// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridMenus.h"

#include "document/Document.h"
#include "ui/DocumentCommands.h"
#include "ui/GridView.h"
#include "ui/MainMenus.h"
#include "ui/SearchCommands.h"
#include "ui/StructureCommands.h"
#include "ui/ToolCommands.h"

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

void GridMenus::setToolCommands(ToolCommands *tools, SearchCommands *search)
{
    m_tools = tools;
    m_search = search;
}

QMenu *GridMenus::headerMenu(int tableColumn, QWidget *parent)
{
    auto *menu = new QMenu(parent);
    QAction *sort = menu->addAction(QStringLiteral("Sort This Column"));
    sort->setEnabled(m_document.table().qsoCount() > 0);
    connect(sort, &QAction::triggered, &m_commands,
        [this, tableColumn] { m_commands.sortByColumn(tableColumn); });
    addHeaderTags(*menu, tableColumn);
    return menu;
}

// The field names a column can be given from its header, each renaming it (and maybe converting it).
void GridMenus::addHeaderTags(QMenu &menu, int tableColumn)
{
    if (m_structure == nullptr)
        return;
    menu.addSeparator();
    for (const char *tag : { "CALL", "BAND", "FREQ", "MODE", "SUBMODE", "QSO_DATE", "TIME_ON", "TIME_OFF",
             "RST_RCVD", "RST_SENT", "NAME", "QTH", "COMMENT", "OPERATOR" }) {
        const QString name = QString::fromLatin1(tag);
        connect(menu.addAction(name), &QAction::triggered, m_structure,
            [this, tableColumn, name] { m_structure->renameColumn(tableColumn, name); });
    }
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("All Tags...")), &QAction::triggered, m_structure,
        [this, tableColumn] { m_structure->chooseTagFromList(tableColumn); });
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Custom...")), &QAction::triggered, m_structure,
        [this, tableColumn] { m_structure->typeCustomTag(tableColumn); });
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Not Used")), &QAction::triggered, m_structure,
        [this, tableColumn] { m_structure->renameColumn(tableColumn, QString()); });
}

// The entries of a selection over several cells: joining, combining and deleting what it covers.
void GridMenus::addSelectionTools(QMenu &menu, bool severalColumns, bool severalRows)
{
    if (m_structure == nullptr)
        return;
    menu.addSeparator();
    StructureCommands *s = m_structure;
    if (severalColumns) {
        connect(menu.addAction(QStringLiteral("Join Selected Columns")), &QAction::triggered, s,
            &StructureCommands::joinSelectedColumns);
        connect(menu.addAction(QStringLiteral("Combine Selected Columns")), &QAction::triggered, s,
            &StructureCommands::combineSelectedColumns);
        connect(menu.addAction(QStringLiteral("Delete Selected Columns")), &QAction::triggered, s,
            &StructureCommands::deleteSelectedColumns);
    }
    connect(menu.addAction(
                severalRows ? QStringLiteral("Delete Selected Rows") : QStringLiteral("Delete Selected Row")),
        &QAction::triggered, s, &StructureCommands::deleteSelectedRows);
}

// The column text tools of a single cell's column.
void GridMenus::addCellTextTools(QMenu &menu)
{
    if (m_structure == nullptr || !m_document.isLogOpen())
        return;
    using Tool = StructureCommands::ColumnTool;
    StructureCommands *s = m_structure;
    const auto add = [&](const char *text, Tool tool) {
        connect(menu.addAction(QString::fromLatin1(text)), &QAction::triggered, s,
            [s, tool] { s->runColumnTool(tool); });
    };
    menu.addSeparator();
    add("Remove Alpha", Tool::RemoveAlpha);
    add("Remove Numeric", Tool::RemoveNumeric);
    add("Remove Symbols", Tool::RemoveSymbols);
    menu.addSeparator();
    add("Remove Left Char", Tool::RemoveLeft);
    add("Remove Right Char", Tool::RemoveRight);
    menu.addSeparator();
    add("Trim Column", Tool::Trim);
    connect(menu.addAction(QStringLiteral("Split Column")), &QAction::triggered, s,
        &StructureCommands::splitColumn);
}

// Sizing, inserting, duplicating, moving and deleting rows and columns at the clicked cell.
void GridMenus::addStructureTools(QMenu &menu, int tableRow)
{
    if (m_structure == nullptr)
        return;
    StructureCommands *s = m_structure;
    const auto add = [&](const char *text, void (StructureCommands::*command)()) {
        connect(menu.addAction(QString::fromLatin1(text)), &QAction::triggered, s, command);
    };
    menu.addSeparator();
    add("Autosize Columns", &StructureCommands::autosizeColumns);
    menu.addSeparator();
    add("Insert Column", &StructureCommands::insertColumn);
    add("Insert Row", &StructureCommands::insertRow);
    add("Duplicate Column", &StructureCommands::duplicateColumn);
    add("Duplicate Row", &StructureCommands::duplicateRow);
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Move Row Up")), &QAction::triggered, s, [s] { s->moveRow(true); });
    connect(
        menu.addAction(QStringLiteral("Move Row Down")), &QAction::triggered, s, [s] { s->moveRow(false); });
    menu.addSeparator();
    add("Delete Column", &StructureCommands::deleteColumn);
    if (tableRow > 0)
        add("Delete Row", &StructureCommands::deleteRow);
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
    if (severalColumns || severalRows) {
        addSelectionTools(*menu, severalColumns, severalRows);
        addRowCopies(*menu, severalRows);
        addReplaceInSelection(*menu);
    } else {
        const QPoint cell = m_view.currentTableCell();
        if (m_structure != nullptr) {
            menu->addSeparator();
            connect(menu->addAction(QStringLiteral("Add Serial Number")), &QAction::triggered, m_structure,
                [this] { m_structure->runColumnTool(StructureCommands::ColumnTool::SerialNumber); });
            connect(menu->addAction(QStringLiteral("Fill Column")), &QAction::triggered, m_structure,
                &StructureCommands::fillColumn);
        }
        addCellSearchAndConversions(*menu, cell.y(), cell.x());
        addCellTextTools(*menu);
        addStructureTools(*menu, cell.y());
    }
    return menu;
}

void GridMenus::addReplaceInSelection(QMenu &menu)
{
    if (m_search == nullptr)
        return;
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Replace In Selection")), &QAction::triggered, m_search,
        [this] { m_search->openReplace(ReplaceMode::Selection); });
}

// The single-cell entries of find, replace and the conversions the column's header calls for.
void GridMenus::addCellSearchAndConversions(QMenu &menu, int tableRow, int tableColumn)
{
    if (m_tools == nullptr || m_search == nullptr)
        return;
    const LogTable &table = m_document.table();
    if (!table.text(tableRow, tableColumn).empty()) {
        connect(menu.addAction(QStringLiteral("Replace")), &QAction::triggered, m_search,
            [this] { m_search->openReplace(ReplaceMode::Cell); });
        connect(menu.addAction(QStringLiteral("Replace In Selection")), &QAction::triggered, m_search,
            [this] { m_search->openReplace(ReplaceMode::Selection); });
    }
    if (!m_document.isLogOpen())
        return;
    connect(menu.addAction(QStringLiteral("Find In Column")), &QAction::triggered, m_search,
        [this] { m_search->openFind(true); });
    const std::string_view header = table.text(0, tableColumn);
    const struct {
        const char *word;
        const char *text;
        void (ToolCommands::*command)(int);
    } conversions[] = { { "DATE", "Convert Date", &ToolCommands::convertDate },
        { "TIME", "Convert Time", &ToolCommands::convertTime },
        { "FREQ", "Convert Frequency", &ToolCommands::convertFrequency } };
    for (const auto &conversion : conversions) {
        if (header.find(conversion.word) == std::string_view::npos)
            continue;
        menu.addSeparator();
        const auto command = conversion.command;
        connect(menu.addAction(QString::fromLatin1(conversion.text)), &QAction::triggered, m_tools,
            [this, command, tableColumn] { (m_tools->*command)(tableColumn); });
    }
    if (header.find("MODE") != std::string_view::npos) {
        menu.addSeparator();
        connect(menu.addAction(QStringLiteral("Convert Mode")), &QAction::triggered, m_tools,
            [this, tableColumn] { m_tools->convertMode(tableColumn); });
    }
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
