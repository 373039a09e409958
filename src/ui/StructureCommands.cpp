// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StructureCommands.h"

#include "definitions/Definitions.h"
#include "document/Document.h"
#include "tools/ColumnMerge.h"
#include "tools/ColumnStructure.h"
#include "tools/ColumnText.h"
#include "tools/ColumnsFile.h"
#include "tools/DuplicateColumn.h"
#include "tools/RemoveCharacters.h"
#include "tools/RowStructure.h"
#include "tools/TimeFixes.h"
#include "tools/TimeShift.h"
#include "tools/ToolResult.h"
#include "ui/CellText.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/ToolCommands.h"
#include "ui/dialogs/AddColumnsDialog.h"
#include "ui/dialogs/AdifTagsDialog.h"
#include "ui/dialogs/FieldNameDialog.h"
#include "ui/dialogs/FillColumnDialog.h"
#include "ui/dialogs/FixTimeDialog.h"
#include "ui/dialogs/SplitColumnDialog.h"

#include <QAction>
#include <QHeaderView>

namespace quillog::ui
{

StructureCommands::StructureCommands(Document &document, ToolCommands &tools, LogTableModel &model,
    GridView &view, QWidget &window, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_tools(tools)
    , m_model(model)
    , m_view(view)
    , m_window(window)
{
}

void StructureCommands::connectActions(const MainActions &actions)
{
    connect(actions.upperCall, &QAction::triggered, this, [this] { changeCallCase(true); });
    connect(actions.lowerCall, &QAction::triggered, this, [this] { changeCallCase(false); });
    connect(actions.addColumns, &QAction::triggered, this, &StructureCommands::addMultipleColumns);
    connect(actions.fixTime, &QAction::triggered, this, &StructureCommands::fixTimeValues);
    connect(actions.timeOnFromOff, &QAction::triggered, this, [this] { copyTimeColumn(true); });
    connect(actions.timeOffFromOn, &QAction::triggered, this, [this] { copyTimeColumn(false); });
    connect(actions.sortChronologically, &QAction::triggered, this, &StructureCommands::sortByDateAndTime);
}

int StructureCommands::currentRow() const
{
    return m_view.currentTableCell().y();
}

int StructureCommands::currentColumn() const
{
    return m_view.currentTableCell().x();
}

void StructureCommands::runColumnTool(ColumnTool tool)
{
    LogTable &table = m_document.table();
    UndoJournal &journal = m_document.journal();
    const int column = currentColumn();
    m_tools.runTool([&] {
        switch (tool) {
        case ColumnTool::SerialNumber:
            return addSerialNumbers(table, journal, column);
        case ColumnTool::RemoveAlpha:
            return removeCharacters(table, journal, column, CharacterClass::Letters);
        case ColumnTool::RemoveNumeric:
            return removeCharacters(table, journal, column, CharacterClass::Digits);
        case ColumnTool::RemoveSymbols:
            return removeCharacters(table, journal, column, CharacterClass::Symbols);
        case ColumnTool::RemoveLeft:
            return removeLeftCharacter(table, journal, column);
        case ColumnTool::RemoveRight:
            return removeRightCharacter(table, journal, column);
        case ColumnTool::Trim:
            break;
        }
        return trimColumn(table, journal, column);
    });
}

void StructureCommands::fillColumn()
{
    FillColumnDialog dialog(&m_window);
    if (m_tools.runDialog(dialog) != QDialog::Accepted)
        return;
    const FillRequest request { currentColumn(), encodeCell(dialog.text(), m_model.encoding()),
        dialog.emptyOnly() };
    m_tools.runTool([&] { return quillog::fillColumn(m_document.table(), m_document.journal(), request); });
}

void StructureCommands::splitColumn()
{
    SplitColumnDialog dialog(&m_window);
    if (m_tools.runDialog(dialog) != QDialog::Accepted)
        return;
    const std::string separator = encodeCell(dialog.separator(), m_model.encoding());
    const char byte = separator.empty() ? ' ' : separator.front();
    m_tools.runTool([&] {
        return quillog::splitColumn(m_document.table(), m_document.journal(), currentColumn(), byte);
    });
}

void StructureCommands::joinSelectedColumns()
{
    m_tools.runTool(
        [this] { return quillog::joinSelectedColumns(m_document.table(), m_document.journal()); });
}

void StructureCommands::combineSelectedColumns()
{
    m_tools.runTool([this] {
        return quillog::combineSelectedColumns(m_document.table(), m_document.journal(), currentColumn());
    });
}

void StructureCommands::insertColumn()
{
    m_tools.runTool(
        [this] { return insertColumnAfter(m_document.table(), m_document.journal(), currentColumn()); });
    m_view.setTableColumnWidth(currentColumn() + 1, kInsertedColumnWidth);
}

void StructureCommands::insertRow()
{
    m_tools.runTool(
        [this] { return insertRowBelow(m_document.table(), m_document.journal(), currentRow()); });
}

void StructureCommands::duplicateColumn()
{
    m_tools.runTool([this] {
        return quillog::duplicateColumn(m_document.table(), m_document.journal(), currentColumn());
    });
}

void StructureCommands::duplicateRow()
{
    m_tools.runTool(
        [this] { return quillog::duplicateRow(m_document.table(), m_document.journal(), currentRow()); });
}

void StructureCommands::deleteColumn()
{
    m_tools.runTool(
        [this] { return quillog::deleteColumn(m_document.table(), m_document.journal(), currentColumn()); });
}

void StructureCommands::deleteRow()
{
    m_tools.runTool(
        [this] { return quillog::deleteRow(m_document.table(), m_document.journal(), currentRow()); });
}

void StructureCommands::moveRow(bool up)
{
    m_tools.runTool(
        [this, up] { return quillog::moveRow(m_document.table(), m_document.journal(), currentRow(), up); });
    m_view.clearSelection();
}

void StructureCommands::deleteSelectedColumns()
{
    m_tools.runTool(
        [this] { return quillog::deleteSelectedColumns(m_document.table(), m_document.journal()); });
}

void StructureCommands::deleteSelectedRows()
{
    m_tools.runTool([this] { return quillog::deleteSelectedRows(m_document.table(), m_document.journal()); });
}

void StructureCommands::autosizeColumns()
{
    m_view.resizeColumnsToContents();
    QHeaderView *header = m_view.horizontalHeader();
    const int count = header->count();
    // A narrow log is widened so that its columns fill the grid.
    if (count == 0 || count > 20)
        return;
    const int spare = m_view.viewport()->width() - header->length();
    if (spare <= 0)
        return;
    for (int section = 0; section < count; ++section)
        header->resizeSection(section, header->sectionSize(section) + spare / count);
}

void StructureCommands::renameColumn(int tableColumn, const QString &name)
{
    const std::string bytes = encodeCell(name, m_model.encoding());
    m_tools.runTool(
        [&] { return quillog::renameColumn(m_document.table(), m_document.journal(), tableColumn, bytes); });
    if (name == QLatin1String("FREQ"))
        m_tools.convertFrequency(tableColumn);
    else if (name == QLatin1String("MODE"))
        m_tools.convertModeOfRenamedColumn(tableColumn);
    else if (name == QLatin1String("QSO_DATE"))
        m_tools.convertDate(tableColumn);
    else if (name == QLatin1String("TIME_ON") || name == QLatin1String("TIME_OFF"))
        m_tools.convertTime(tableColumn);
}

QString StructureCommands::chooseTag()
{
    AdifTagsDialog dialog(taggableFieldNames(m_document.definitions().fieldNames), &m_window);
    return m_tools.runDialog(dialog) == QDialog::Accepted ? dialog.chosen() : QString();
}

void StructureCommands::chooseTagFromList(int tableColumn)
{
    const QString name = chooseTag();
    if (!name.isEmpty())
        renameColumn(tableColumn, name);
}

void StructureCommands::typeCustomTag(int tableColumn)
{
    FieldNameDialog dialog(&m_window);
    if (m_tools.runDialog(dialog) == QDialog::Accepted)
        renameColumn(tableColumn, dialog.name());
}

void StructureCommands::changeCallCase(bool upper)
{
    m_tools.runTool([&] { return quillog::changeCallCase(m_document.table(), m_document.journal(), upper); });
}

void StructureCommands::fixTimeValues()
{
    FixTimeDialog dialog(&m_window);
    if (m_tools.runDialog(dialog) != QDialog::Accepted)
        return;
    const TimeShiftRequest request = dialog.request();
    m_tools.runTool([&] { return shiftTimes(m_document.table(), m_document.journal(), request); });
}

void StructureCommands::copyTimeColumn(bool intoTimeOn)
{
    m_tools.runTool([&] {
        return quillog::copyTimeColumn(m_document.table(), m_document.journal(), intoTimeOn,
            [this](std::string_view question) { return m_tools.confirm(question); });
    });
}

void StructureCommands::sortByDateAndTime()
{
    m_tools.runToolInWorker(
        "Sorting", [this] { return quillog::sortByDateAndTime(m_document.table(), m_document.journal()); });
}

void StructureCommands::addMultipleColumns()
{
    const std::string path = m_document.dataFolder() + "/" + std::string(kColumnsFileName);
    AddColumnsDialog dialog(
        readColumnsFile(path), [this] { return chooseTag(); }, &m_window);
    if (m_tools.runDialog(dialog) != QDialog::Accepted)
        return;
    const std::vector<ColumnEntry> entries = dialog.entries();
    m_tools.runTool([&] {
        return quillog::addMultipleColumns(
            m_document.table(), m_document.journal(), entries, currentColumn(), path);
    });
}

} // namespace quillog::ui
