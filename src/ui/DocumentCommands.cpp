// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/DocumentCommands.h"

#include "core/ColumnSort.h"
#include "core/Progress.h"
#include "document/Document.h"
#include "formats/SaveSettings.h"
#include "tools/Clipboard.h"
#include "tools/ColumnMove.h"
#include "ui/ClipboardGlue.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/QtHost.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quillog::ui
{

DocumentCommands::DocumentCommands(
    Document &document, QtHost &host, LogTableModel &model, GridView &view, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_host(host)
    , m_model(model)
    , m_view(view)
{
}

void DocumentCommands::connectActions(const MainActions &actions)
{
    const auto run = [this](QAction *action, auto command) {
        connect(action, &QAction::triggered, this, [this, command] {
            command();
            Q_EMIT commandDone();
        });
    };
    run(actions.open, [this] { m_document.open(); });
    run(actions.reload, [this] { m_document.reload(); });
    run(actions.merge, [this] { m_document.merge(); });
    run(actions.import, [this] { m_document.import(); });
    run(actions.save, [this] { m_document.save(); });
    run(actions.saveAs, [this] { m_document.saveAs(); });
    run(actions.saveAsCsv, [this] { m_document.saveAsCsv(); });
    connect(actions.check, &QAction::triggered, this, &DocumentCommands::check);
    // Stepping through invalid QSOs only scrolls: the operator's current cell and selection stay.
    run(actions.nextInvalid, [this] { m_view.scrollToTableRow(m_document.nextInvalidQso()); });
    run(actions.previousInvalid, [this] { m_view.scrollToTableRow(m_document.previousInvalidQso()); });
    connect(actions.undo, &QAction::triggered, this, &DocumentCommands::undo);
    connect(actions.redo, &QAction::triggered, this, &DocumentCommands::redo);
    connect(actions.copy, &QAction::triggered, this, &DocumentCommands::copy);
    connect(actions.paste, &QAction::triggered, this, &DocumentCommands::paste);
}

void DocumentCommands::undo()
{
    const int columnsBefore = m_document.table().columnCount();
    showUndoEffect(m_document.undo(), columnsBefore);
    Q_EMIT commandDone();
}

void DocumentCommands::redo()
{
    const int columnsBefore = m_document.table().columnCount();
    showUndoEffect(m_document.redo(), columnsBefore);
    Q_EMIT commandDone();
}

void DocumentCommands::showUndoEffect(const UndoEffect &effect, int columnsBefore)
{
    if (!effect.applied)
        return;
    switch (effect.kind) {
    case UndoKind::CellChange:
    case UndoKind::RowSnapshot:
    case UndoKind::HeaderChange:
        m_model.refreshCells();
        return;
    case UndoKind::ColumnSnapshot:
        m_model.refreshCells();
        m_view.setTableColumnWidth(effect.column, effect.width);
        return;
    default:
        showColumnsChanged(effect, columnsBefore);
        return;
    }
}

// Every column keeps its width, also when one came or went before it; a column that came back gets
// the width it had.
void DocumentCommands::showColumnsChanged(const UndoEffect &effect, int columnsBefore)
{
    QVector<int> widths = m_view.columnWidths();
    const int columnsNow = m_document.table().columnCount();
    const int column = m_model.modelColumn(effect.column);
    if (columnsNow > columnsBefore && column >= 0 && column <= widths.size())
        widths.insert(column, effect.width);
    else if (columnsNow < columnsBefore && column >= 0 && column < widths.size())
        widths.remove(column);
    m_view.resetKeepingWidths();
    m_view.setColumnWidths(widths);
    if (columnsNow > columnsBefore)
        m_view.setTableColumnWidth(effect.column, effect.width);
}

void DocumentCommands::refreshCount()
{
    m_host.statusChanged(2, m_document.qsoCountText());
}

void DocumentCommands::copy()
{
    const ClipboardCopy copied = copySelection(
        m_document.table(), saveOptionsFor(m_document.settings()), m_document.definitions().typeMap);
    if (copied.text.empty())
        return;
    QGuiApplication::clipboard()->setMimeData(
        clipboardData(decodeCell(copied.text, m_model.encoding()), copied.isAdif));
    Q_EMIT commandDone();
}

void DocumentCommands::copySelectedRowsAsAdif()
{
    // The type letters come from the definitions, which the operator may have changed meanwhile.
    m_document.reloadDefinitions();
    const std::string text = quillog::copySelectedRowsAsAdif(
        m_document.table(), saveOptionsFor(m_document.settings()), m_document.definitions().typeMap);
    if (!text.empty())
        QGuiApplication::clipboard()->setMimeData(clipboardData(decodeCell(text, m_model.encoding()), true));
    Q_EMIT commandDone();
}

void DocumentCommands::copySelectedRowsAsCsv()
{
    const std::string text
        = quillog::copySelectedRowsAsCsv(m_document.table(), m_document.settings().csvSeparator);
    if (!text.empty())
        QGuiApplication::clipboard()->setMimeData(clipboardData(decodeCell(text, m_model.encoding()), false));
    Q_EMIT commandDone();
}

void DocumentCommands::paste()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return;
    const std::string text = encodeCell(data->text(), m_model.encoding());
    const PasteResult result = pasteText(m_document.table(), m_document.journal(), text, isMarkedAsAdif(data),
        m_document.settings().ignoreBracket);
    if (!result.warning.empty())
        m_host.message(BoxKind::Warning, result.warning);
    if (result.rowsInserted > 0 || result.columnsAdded > 0) {
        m_view.resetKeepingWidths();
        refreshCount();
    } else if (result.cellsChanged > 0) {
        m_model.refreshCells();
    }
    Q_EMIT commandDone();
}

void DocumentCommands::saveSelected()
{
    m_document.saveSelected();
    Q_EMIT commandDone();
}

void DocumentCommands::sortByColumn(int tableColumn)
{
    // Sorting a million rows takes a second or more: a worker sorts while the progress window shows.
    bool sorted = false;
    const bool ran = m_document.runTool(WorkerSlot::Check, "Sorting", [&](Progress &progress) {
        progress.setLabel("Sorting ...");
        sorted = sortByHeaderClick(m_document.table(), m_document.journal(), tableColumn);
    });
    if (!ran || !sorted)
        return;
    m_model.refreshCells();
    Q_EMIT commandDone();
}

void DocumentCommands::check()
{
    m_document.check();
    m_model.refreshCells();
    Q_EMIT commandDone();
}

void DocumentCommands::showRow(int tableRow)
{
    if (tableRow < 1 || tableRow >= m_document.table().rowCount())
        return;
    const QModelIndex first = m_model.index(tableRow - 1, 0);
    m_view.scrollTo(first, QAbstractItemView::PositionAtCenter);
    m_view.setCurrentIndex(first);
    m_view.selectRow(tableRow - 1);
}

void DocumentCommands::moveColumn(int fromTableColumn, int toTableColumn)
{
    if (!m_document.isLogOpen() || m_document.isBusy())
        return;
    QVector<int> widths = m_view.columnWidths();
    const int from = m_model.modelColumn(fromTableColumn);
    const int to = m_model.modelColumn(toTableColumn);
    if (quillog::moveColumn(m_document.table(), m_document.journal(), fromTableColumn, toTableColumn,
            m_view.tableColumnWidth(fromTableColumn))
        < 0)
        return;
    widths.move(from, to);
    m_view.resetKeepingWidths();
    m_view.setColumnWidths(widths);
    Q_EMIT commandDone();
}

void DocumentCommands::enumerateRows()
{
    m_document.table().numberRows();
    m_model.refreshCells();
    Q_EMIT commandDone();
}

} // namespace quillog::ui
