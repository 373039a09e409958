// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/SearchResultsDialog.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

namespace quillog::ui
{

SearchResultsDialog::SearchResultsDialog(
    LogTable rows, const QString &title, TextEncoding encoding, QWidget *parent)
    : QDialog(parent)
    , m_rows(std::move(rows))
{
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    m_grid = new QTableWidget(m_rows.qsoCount(), m_rows.columnCount(), this);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    QStringList headers;
    for (int column = 0; column < m_rows.columnCount(); ++column)
        headers.append(decodeCell(m_rows.text(0, column), encoding));
    m_grid->setHorizontalHeaderLabels(headers);
    for (int row = 1; row < m_rows.rowCount(); ++row) {
        for (int column = 0; column < m_rows.columnCount(); ++column)
            m_grid->setItem(
                row - 1, column, new QTableWidgetItem(decodeCell(m_rows.text(row, column), encoding)));
    }
    m_grid->resizeColumnsToContents();
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex index = m_grid->indexAt(pos);
        if (!index.isValid())
            return;
        std::unique_ptr<QMenu> menu(cellMenu(index.row(), index.column(), this));
        menu->exec(m_grid->viewport()->mapToGlobal(pos));
    });
    layout->addWidget(m_grid);
    resize(900, 400);
}

void SearchResultsDialog::syncSelection()
{
    std::vector<CellRange> ranges;
    for (const QTableWidgetSelectionRange &range : m_grid->selectedRanges())
        ranges.push_back(
            { range.topRow() + 1, range.leftColumn(), range.bottomRow() + 1, range.rightColumn() });
    m_rows.setSelection(std::move(ranges));
}

const LogTable &SearchResultsDialog::rows()
{
    syncSelection();
    return m_rows;
}

QMenu *SearchResultsDialog::cellMenu(int row, int column, QWidget *parent)
{
    // A click outside the selection first selects the clicked cell.
    if (QTableWidgetItem *item = m_grid->item(row, column); item != nullptr && !item->isSelected()) {
        m_grid->clearSelection();
        m_grid->setCurrentCell(row, column);
        item->setSelected(true);
    }
    syncSelection();
    const CellRange range = m_rows.selection();
    const bool severalRows = range.isValid() && range.lastRow > range.firstRow;
    const QString rowsText = severalRows ? QStringLiteral("Rows") : QStringLiteral("Row");
    auto *menu = new QMenu(parent);
    connect(menu->addAction(QStringLiteral("Copy Selected %1 as CSV").arg(rowsText)), &QAction::triggered,
        this, &SearchResultsDialog::copyRowsAsCsv);
    connect(menu->addAction(QStringLiteral("Copy Selected %1 as ADIF").arg(rowsText)), &QAction::triggered,
        this, &SearchResultsDialog::copyRowsAsAdif);
    connect(menu->addAction(QStringLiteral("Save Selected %1 as ADIF").arg(rowsText)), &QAction::triggered,
        this, &SearchResultsDialog::saveRowsAsAdif);
    if (!severalRows) {
        menu->addSeparator();
        const QString number = m_grid->item(row, 0) != nullptr ? m_grid->item(row, 0)->text() : QString();
        connect(menu->addAction(QStringLiteral("Find in the Main Window")), &QAction::triggered, this,
            [this, number] { Q_EMIT showInMainWindow(number); });
    }
    return menu;
}

} // namespace quillog::ui
