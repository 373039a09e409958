// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace quillog
{
class Document;
struct UndoEffect;
} // namespace quillog

namespace quillog::ui
{

class GridView;
class LogTableModel;
class QtHost;
struct MainActions;

/// The File and Edit commands and the row copies of the cell menu: each calls the document or a core
/// tool and brings the view up to date with what it changed.
class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(
        Document &document, QtHost &host, LogTableModel &model, GridView &view, QObject *parent = nullptr);

    void connectActions(const MainActions &actions);

public Q_SLOTS:
    void undo();
    void redo();
    void copy();
    void paste();
    void copySelectedRowsAsAdif();
    void copySelectedRowsAsCsv();
    void saveSelected();
    /// Sort This Column: ascending, or the other way round when the column was sorted last; undoable.
    void sortByColumn(int tableColumn);
    /// A header drag: moves the column in the table, undoably, and its width with it.
    void moveColumn(int fromTableColumn, int toTableColumn);
    /// Enumerate Rows: numbers the rows in their present order (not undoable).
    void enumerateRows();
    void check();
    /// Scrolls to the table row and selects its cells from the first field column on.
    void showRow(int tableRow);

Q_SIGNALS:
    /// A command ran: the window refreshes what depends on the document's state.
    void commandDone();

private:
    void showUndoEffect(const UndoEffect &effect, int columnsBefore);
    void showColumnsChanged(const UndoEffect &effect, int columnsBefore);
    void refreshCount();

    Document &m_document;
    QtHost &m_host;
    LogTableModel &m_model;
    GridView &m_view;
};

} // namespace quillog::ui
