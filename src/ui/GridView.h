// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Settings.h"

#include <QTableView>
#include <QVector>

namespace quillog
{
class LogTable;
}

namespace quillog::ui
{

class GridDelegate;
class LogTableModel;

/// The grid of the main window: scrolls by whole rows (and whole columns when asked), three rows a
/// wheel notch, shows cut-off text in a tip, keeps the table's selection in step with its own and
/// reports the cell position and whether the last row lies below the visible area.
class GridView : public QTableView
{
    Q_OBJECT

public:
    GridView(LogTable &table, LogTableModel &model, QWidget *parent = nullptr);

    void applyAppearance(const GridAppearance &appearance, const QFont &font);

    /// After a load: every column sized to its content; with 10 columns or fewer they are widened
    /// to fill the window.
    void sizeColumnsAfterLoad();
    /// The width of a table column in pixels (the fixed column is the vertical header); -1 when unknown.
    int tableColumnWidth(int tableColumn) const;
    void setTableColumnWidth(int tableColumn, int width);

    /// Rereads the model after the table changed shape, keeping the columns' widths, the current cell,
    /// the selection and the scroll position where they still fit; new columns at the right are sized
    /// to their contents.
    void resetKeepingWidths();
    /// Selects the table's selection rectangle again, or clears the table's selection when it no
    /// longer fits the table.
    void restoreSelectionFromTable();
    /// Selects the cells again and notes them in the table (after a worker that changed its shape).
    void restoreSelection(const QItemSelection &selection);

    QVector<int> columnWidths() const;
    void setColumnWidths(const QVector<int> &widths);

    /// Scrolls the table row into view when it is not visible; the current cell and selection stay.
    void scrollToTableRow(int tableRow);
    void scrollToLastRow();
    bool rowsBelow() const { return m_rowsBelow; }
    /// "   Row: %i  Column: %i  Selected: %i", or empty when nothing is selected.
    QString positionText() const;
    /// The table cell last clicked or moved to; (-1, -1) when there is none.
    QPoint currentTableCell() const;

Q_SIGNALS:
    void positionChanged(const QString &text);
    void rowsBelowChanged(bool below);
    /// A left click on a field column's header, and on the corner above the "#" column.
    void headerClicked(int tableColumn, const QPoint &globalPos);
    void cornerClicked(const QPoint &globalPos);
    /// A field column's header was dragged from one place to another (table columns).
    void columnMoveRequested(int fromTableColumn, int toTableColumn);
    /// A right click on a cell.
    void cellMenuRequested(const QModelIndex &index, const QPoint &globalPos);

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void syncSelectionToTable();
    void headerDragged(int logical, int oldVisual, int newVisual);
    void updateRowsBelow();
    void widenToFill();
    void sizeNewColumn(int column);
    bool showTipForCutOffText(const QPoint &pos, const QPoint &globalPos);
    qsizetype selectedCellCount() const;

    LogTable &m_table;
    LogTableModel &m_model;
    GridDelegate *m_delegate;
    bool m_rowsBelow = false;
};

} // namespace quillog::ui
