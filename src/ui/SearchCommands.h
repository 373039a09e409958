// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/Find.h"
#include "ui/dialogs/ReplaceDialog.h"

#include <QObject>
#include <functional>

class QDialog;
class QWidget;

namespace quillog
{
class Document;
}

namespace quillog::ui
{

class FindDialog;
class GridView;
class LogTableModel;
class QtHost;
class SearchResultsDialog;
class ToolCommands;
struct FindOptions;
struct MainActions;

/// Find and Replace: the modeless find dialog (made once), the replace dialog and the Search results
/// window, over the core's find and replace.
class SearchCommands : public QObject
{
    Q_OBJECT

public:
    SearchCommands(Document &document, QtHost &host, LogTableModel &model, GridView &view,
        ToolCommands &tools, QWidget &window, QObject *parent = nullptr);

    void connectActions(const MainActions &actions);

    /// How the modal dialogs (Replace, Search results) are run; tests answer them without showing them.
    using DialogRunner = std::function<int(QDialog &dialog)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    FindDialog &findDialog();
    const FindState &findState() const { return m_state; }

public Q_SLOTS:
    /// Opens the find dialog with the last search text; the search starts again from the top.
    void openFind(bool inColumn = false);
    /// Opens the replace dialog; from the cell menu with the current cell's text to find.
    void openReplace(ReplaceMode mode);
    void findNext(const FindOptions &options);
    void findAll(const FindOptions &options);
    void replace(ReplaceMode mode, const ReplaceOptions &options);
    /// "Find in the Main Window": selects the row whose "#" cell holds the number.
    void showRowNumbered(const QString &number);

private:
    void selectCell(int tableRow, int tableColumn);
    void cellClicked(const QModelIndex &index);
    void connectResults(SearchResultsDialog &results);
    void saveResultRows(SearchResultsDialog &results);

    Document &m_document;
    QtHost &m_host;
    LogTableModel &m_model;
    GridView &m_view;
    ToolCommands &m_tools;
    QWidget &m_window;
    FindDialog *m_findDialog = nullptr;
    FindState m_state;
    DialogRunner m_runDialog;
};

} // namespace quillog::ui
