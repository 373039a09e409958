// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace quillog
{
class Document;
}

namespace quillog::ui
{

class GridView;
class LogTableModel;
class ToolCommands;
struct MainActions;

/// The cell menu's text and structure tools, the header tag menu's renaming and the Tools menu's call
/// case, time and column-list commands: each collects its arguments in a dialog, runs the core tool
/// through ToolCommands::runTool() and so refreshes the grid from its result.
class StructureCommands : public QObject
{
    Q_OBJECT

public:
    StructureCommands(Document &document, ToolCommands &tools, LogTableModel &model, GridView &view,
        QWidget &window, QObject *parent = nullptr);

    void connectActions(const MainActions &actions);

    /// The single-column tools of the cell menu, on the current cell's column.
    enum class ColumnTool {
        SerialNumber,
        RemoveAlpha,
        RemoveNumeric,
        RemoveSymbols,
        RemoveLeft,
        RemoveRight,
        Trim
    };
    void runColumnTool(ColumnTool tool);
    void fillColumn();
    void splitColumn();
    void joinSelectedColumns();
    void combineSelectedColumns();

    void insertColumn();
    void insertRow();
    void duplicateColumn();
    void duplicateRow();
    void deleteColumn();
    void deleteRow();
    void moveRow(bool up);
    void deleteSelectedColumns();
    void deleteSelectedRows();
    void autosizeColumns();

    /// The header tag menu: names the column, then opens the conversion the name calls for.
    void renameColumn(int tableColumn, const QString &name);
    void chooseTagFromList(int tableColumn);
    void typeCustomTag(int tableColumn);

    void changeCallCase(bool upper);
    void fixTimeValues();
    void copyTimeColumn(bool intoTimeOn);
    void sortByDateAndTime();
    void addMultipleColumns();

private:
    int currentRow() const;
    int currentColumn() const;
    QString chooseTag();

    Document &m_document;
    ToolCommands &m_tools;
    LogTableModel &m_model;
    GridView &m_view;
    QWidget &m_window;
};

} // namespace quillog::ui
