// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

class QMenu;
class QModelIndex;
class QPoint;

namespace quillog
{
class Document;
}

namespace quillog::ui
{

class DocumentCommands;
class GridView;
class SearchCommands;
class StructureCommands;
class ToolCommands;
struct MainActions;

/// The grid's pop-up menus: the header menu of a field column, the menu of the "#" column's corner
/// and the cell menu, each offering the commands that fit the click and the selection.
class GridMenus : public QObject
{
    Q_OBJECT

public:
    GridMenus(Document &document, GridView &view, DocumentCommands &commands, const MainActions &actions,
        QObject *parent = nullptr);

    /// The handlers of the column tools and of find and replace that the cell menu offers.
    void setToolCommands(ToolCommands *tools, SearchCommands *search);
    /// The handlers of the text, structure and renaming entries.
    void setStructureCommands(StructureCommands *structure) { m_structure = structure; }

    /// The menus as they would open now; the caller shows them with exec().
    QMenu *headerMenu(int tableColumn, QWidget *parent);
    QMenu *cornerMenu(QWidget *parent);
    /// Null when no menu opens for the cell.
    QMenu *cellMenu(const QModelIndex &index, QWidget *parent);

    /// The item texts of a menu, separators as empty strings (for tests and the log of what opened).
    static QStringList itemTexts(const QMenu &menu);

private:
    void showHeaderMenu(int tableColumn, const QPoint &globalPos);
    void showCornerMenu(const QPoint &globalPos);
    void showCellMenu(const QModelIndex &index, const QPoint &globalPos);
    void addRowCopies(QMenu &menu, bool severalRows);
    void addReplaceInSelection(QMenu &menu);
    void addCellSearchAndConversions(QMenu &menu, int tableRow, int tableColumn);
    void addHeaderTags(QMenu &menu, int tableColumn);
    void addSelectionTools(QMenu &menu, bool severalColumns, bool severalRows);
    void addCellTextTools(QMenu &menu);
    void addStructureTools(QMenu &menu, int tableRow);

    Document &m_document;
    GridView &m_view;
    DocumentCommands &m_commands;
    const MainActions &m_actions;
    ToolCommands *m_tools = nullptr;
    SearchCommands *m_search = nullptr;
    StructureCommands *m_structure = nullptr;
};

} // namespace quillog::ui
