// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SearchCommands.h"

#include "core/Progress.h"
#include "document/Document.h"
#include "formats/FormatRegistry.h"
#include "formats/LogWriter.h"
#include "formats/SaveSettings.h"
#include "tools/Clipboard.h"
#include "tools/Replace.h"
#include "tools/ToolResult.h"
#include "ui/ClipboardGlue.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/QtHost.h"
#include "ui/ToolCommands.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/SearchResultsDialog.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

namespace quillog::ui
{

namespace
{

constexpr const char *saveResultsFilter
    = "ADIF files (*.adi, *adif)|*.adi*|ADX files (*.adx)|*.adx|All Log files (*.*)|*.*|";

// The header row and the listed rows, every cell copied.
LogTable resultRows(const LogTable &table, const std::vector<int> &rows)
{
    LogTable copy;
    copy.setColumnCount(table.columnCount());
    copy.setRowCount(int(rows.size()) + 1);
    copy.setFixedColumnCount(table.fixedColumnCount());
    for (int column = 0; column < table.columnCount(); ++column)
        copy.setText(0, column, table.text(0, column));
    for (std::size_t index = 0; index < rows.size(); ++index) {
        for (int column = 0; column < table.columnCount(); ++column)
            copy.setText(int(index) + 1, column, table.text(rows[index], column));
    }
    return copy;
}

} // namespace

SearchCommands::SearchCommands(Document &document, QtHost &host, LogTableModel &model, GridView &view,
    ToolCommands &tools, QWidget &window, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_host(host)
    , m_model(model)
    , m_view(view)
    , m_tools(tools)
    , m_window(window)
    , m_runDialog([](QDialog &dialog) { return dialog.exec(); })
{
    connect(&m_view, &QAbstractItemView::clicked, this, &SearchCommands::cellClicked);
}

void SearchCommands::connectActions(const MainActions &actions)
{
    connect(actions.find, &QAction::triggered, this, [this] { openFind(false); });
    connect(actions.replace, &QAction::triggered, this, [this] { openReplace(ReplaceMode::WholeTable); });
}

FindDialog &SearchCommands::findDialog()
{
    if (m_findDialog == nullptr) {
        m_findDialog = new FindDialog(&m_window);
        connect(m_findDialog, &FindDialog::findNextRequested, this, &SearchCommands::findNext);
        connect(m_findDialog, &FindDialog::findAllRequested, this, &SearchCommands::findAll);
    }
    return *m_findDialog;
}

void SearchCommands::openFind(bool inColumn)
{
    m_state.startRow = 0;
    findDialog().present(decodeCell(m_state.lastText, m_model.encoding()), inColumn);
}

// While a search is under way, a click on a cell makes the search go on from its row.
void SearchCommands::cellClicked(const QModelIndex &index)
{
    if (m_state.startRow != 0 && index.isValid())
        m_state.startRow = m_model.tableRow(index.row());
}

void SearchCommands::findNext(const FindOptions &options)
{
    FindRequest request;
    request.text = encodeCell(options.text, m_model.encoding());
    request.wholeCell = options.wholeCell;
    request.matchCase = options.matchCase;
    request.inColumn = options.inColumn;
    request.searchUp = options.searchUp;
    request.currentColumn = m_view.currentTableCell().x();
    const FindHit hit = quillog::findNext(m_document.table(), m_state, request);
    if (hit.found())
        selectCell(hit.row, hit.column);
    else
        m_host.message(BoxKind::Warning, notFoundMessage(request.text));
    if (m_findDialog != nullptr)
        m_findDialog->activateWindow();
}

void SearchCommands::selectCell(int tableRow, int tableColumn)
{
    // A hit in the "#" column shows its row from the first field column on.
    const int modelColumn = std::max(0, m_model.modelColumn(tableColumn));
    const QModelIndex index = m_model.index(tableRow - 1, modelColumn);
    m_view.scrollTo(index);
    m_view.setCurrentIndex(index);
    m_view.selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

void SearchCommands::findAll(const FindOptions &options)
{
    FindRequest request;
    request.text = encodeCell(options.text, m_model.encoding());
    request.matchCase = options.matchCase; // whole-cell matching and the column do not apply to Find All
    m_state.lastText = request.text;
    const std::string &text = request.text;
    const FindAllResult found = quillog::findAll(m_document.table(), request);
    if (found.rows.empty()) {
        m_host.message(BoxKind::Warning, notFoundMessage(text));
    } else {
        SearchResultsDialog results(resultRows(m_document.table(), found.rows),
            QString::fromStdString(searchResultsTitle(found)), m_model.encoding(), &m_window);
        connectResults(results);
        m_runDialog(results);
    }
    if (m_findDialog != nullptr)
        m_findDialog->activateWindow();
}

void SearchCommands::connectResults(SearchResultsDialog &results)
{
    connect(&results, &SearchResultsDialog::copyRowsAsCsv, this, [this, &results] {
        const std::string text = copySelectedRowsAsCsv(results.rows(), m_document.settings().csvSeparator);
        if (!text.empty())
            QGuiApplication::clipboard()->setMimeData(
                clipboardData(decodeCell(text, m_model.encoding()), false));
    });
    connect(&results, &SearchResultsDialog::copyRowsAsAdif, this, [this, &results] {
        m_document.reloadDefinitions();
        const std::string text = copySelectedRowsAsAdif(
            results.rows(), saveOptionsFor(m_document.settings()), m_document.definitions().typeMap);
        if (!text.empty())
            QGuiApplication::clipboard()->setMimeData(
                clipboardData(decodeCell(text, m_model.encoding()), true));
    });
    connect(
        &results, &SearchResultsDialog::saveRowsAsAdif, this, [this, &results] { saveResultRows(results); });
    connect(&results, &SearchResultsDialog::showInMainWindow, this, &SearchCommands::showRowNumbered);
}

void SearchCommands::saveResultRows(SearchResultsDialog &results)
{
    const auto path = m_host.chooseFileToSave({ "Save ADIF File", saveResultsFilter, "adi", "" });
    if (!path)
        return;
    m_document.reloadDefinitions();
    RunningFlag progress;
    const LogWriter &writer = *formatForSavePath(*path).writer;
    const SaveResult saved = writer.write(*path, results.rows(), saveOptionsFor(m_document.settings(), true),
        saveDefinitionsFor(m_document.definitions()), progress);
    if (!saved.ok)
        m_host.message(BoxKind::Warning, saved.message);
}

void SearchCommands::showRowNumbered(const QString &number)
{
    const std::string wanted = number.trimmed().toStdString();
    const LogTable &table = m_document.table();
    for (int row = 1; row < table.rowCount(); ++row) {
        if (table.text(row, 0) == wanted) {
            const QModelIndex first = m_model.index(row - 1, 0);
            m_view.scrollTo(first, QAbstractItemView::PositionAtCenter);
            m_view.setCurrentIndex(first);
            m_view.selectRow(first.row());
            return;
        }
    }
}

void SearchCommands::openReplace(ReplaceMode mode)
{
    const QPoint current = m_view.currentTableCell();
    const QString findText = mode == ReplaceMode::WholeTable
        ? QString()
        : decodeCell(m_document.table().text(current.y(), current.x()), m_model.encoding());
    ReplaceDialog dialog(mode, findText, &m_window);
    connect(&dialog, &ReplaceDialog::replaceRequested, this,
        [this, mode](const ReplaceOptions &options) { replace(mode, options); });
    m_runDialog(dialog);
}

void SearchCommands::replace(ReplaceMode mode, const ReplaceOptions &options)
{
    ReplaceRequest request;
    request.find = encodeCell(options.find, m_model.encoding());
    request.replacement = encodeCell(options.replacement, m_model.encoding());
    request.matchCase = options.matchCase;
    request.wholeCell = options.wholeCell;
    request.anyText = options.anyText;
    request.currentColumn = m_view.currentTableCell().x();
    request.selection = m_document.table().selection();
    request.scope = mode == ReplaceMode::WholeTable ? ReplaceScope::WholeTable
        : options.inColumn                          ? ReplaceScope::Column
                                                    : ReplaceScope::Selection;
    m_tools.runTool([&] { return replaceInTable(m_document.table(), m_document.journal(), request); });
}

} // namespace quillog::ui
