// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridView.h"

#include "core/LogTable.h"
#include "ui/GridDelegate.h"
#include "ui/LogTableModel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <QWheelEvent>

namespace quillog::ui
{

namespace
{
constexpr int wheelRowsPerNotch = 3;
constexpr int fillColumnLimit = 10;
constexpr int cellTextMargin = 8; // the delegate's padding on both sides
} // namespace

GridView::GridView(LogTable &table, LogTableModel &model, QWidget *parent)
    : QTableView(parent)
    , m_table(table)
    , m_model(model)
    , m_delegate(new GridDelegate(this))
{
    setModel(&m_model);
    setItemDelegate(m_delegate);
    setShowGrid(false);
    setWordWrap(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);

    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
        [this](int section) { Q_EMIT headerClicked(m_model.tableColumn(section), QCursor::pos()); });
    // A dragged header moves the column in the table, where it can be undone; the header itself keeps
    // showing the model's order.
    horizontalHeader()->setSectionsMovable(true);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &GridView::headerDragged);
    if (auto *corner = findChild<QAbstractButton *>()) {
        disconnect(corner, nullptr, this, nullptr);
        connect(corner, &QAbstractButton::clicked, this, [this] { Q_EMIT cornerClicked(QCursor::pos()); });
    }
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        const QModelIndex index = indexAt(pos);
        if (index.isValid())
            Q_EMIT cellMenuRequested(index, viewport()->mapToGlobal(pos));
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &GridView::updateRowsBelow);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, &GridView::updateRowsBelow);
}

void GridView::applyAppearance(const GridAppearance &appearance, const QFont &font)
{
    applyGridAppearance(*this, appearance, font);
    setHorizontalScrollMode(appearance.excelScroll ? ScrollPerItem : ScrollPerPixel);
    const int rowHeight = QFontMetrics(font).height() + 6;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    m_model.setAppearance(appearance, font);
    viewport()->update();
}

void GridView::sizeColumnsAfterLoad()
{
    // A new log starts at its top left with nothing chosen.
    selectionModel()->clearCurrentIndex();
    scrollToTop();
    horizontalScrollBar()->setValue(0);
    // Rows keep the one height the font gives; measuring each of 100,000 rows would take seconds.
    resizeColumnsToContents();
    if (m_model.columnCount() > 0 && m_model.columnCount() <= fillColumnLimit)
        widenToFill();
}

void GridView::widenToFill()
{
    const int columns = m_model.columnCount();
    int used = 0;
    for (int column = 0; column < columns; ++column)
        used += columnWidth(column);
    const int spare = viewport()->width() - used;
    if (spare <= 0 || used <= 0)
        return;
    // Each column grows in proportion to its width; the last one takes what rounding leaves.
    int given = 0;
    for (int column = 0; column < columns; ++column) {
        const int extra = column + 1 == columns ? spare - given : spare * columnWidth(column) / used;
        given += extra;
        setColumnWidth(column, columnWidth(column) + extra);
    }
}

int GridView::tableColumnWidth(int tableColumn) const
{
    if (tableColumn < m_table.fixedColumnCount())
        return verticalHeader()->width();
    const int column = m_model.modelColumn(tableColumn);
    return column < m_model.columnCount() ? columnWidth(column) : -1;
}

void GridView::setTableColumnWidth(int tableColumn, int width)
{
    const int column = m_model.modelColumn(tableColumn);
    if (column < 0 || column >= m_model.columnCount())
        return;
    if (width < 0)
        resizeColumnToContents(column);
    else
        setColumnWidth(column, width);
}

void GridView::resetKeepingWidths()
{
    const QVector<int> widths = columnWidths();
    const QModelIndex current = currentIndex();
    const int currentRow = current.row();
    const int currentColumn = current.column();
    const int top = verticalScrollBar()->value();
    const int left = horizontalScrollBar()->value();

    m_model.reset();
    setColumnWidths(widths);
    const int kept = std::min<int>(int(widths.size()), m_model.columnCount());
    // A column that joined at the right (a pasted field) is as wide as its contents.
    for (int column = kept; column < m_model.columnCount(); ++column)
        sizeNewColumn(column);
    const QModelIndex again = m_model.index(currentRow, currentColumn);
    if (again.isValid())
        selectionModel()->setCurrentIndex(again, QItemSelectionModel::NoUpdate);
    restoreSelectionFromTable();
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
    updateRowsBelow();
}

void GridView::sizeNewColumn(int column)
{
    // A column without a name yet (the empty start grid, an inserted column) takes the default width.
    if (m_model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString().isEmpty())
        setColumnWidth(column, horizontalHeader()->defaultSectionSize());
    else
        resizeColumnToContents(column);
}

void GridView::restoreSelectionFromTable()
{
    const CellRange bounds = m_table.selection();
    const int firstColumn = m_model.modelColumn(bounds.firstColumn);
    const int lastColumn = m_model.modelColumn(bounds.lastColumn);
    const bool fits = bounds.isValid() && bounds.firstRow >= 1 && firstColumn >= 0
        && bounds.lastRow - 1 < m_model.rowCount() && lastColumn < m_model.columnCount();
    if (!fits) {
        m_table.clearSelection();
        clearSelection();
        return;
    }
    const QItemSelection rectangle(
        m_model.index(bounds.firstRow - 1, firstColumn), m_model.index(bounds.lastRow - 1, lastColumn));
    selectionModel()->select(rectangle, QItemSelectionModel::ClearAndSelect);
}

void GridView::headerDragged(int, int oldVisual, int newVisual)
{
    QHeaderView *header = horizontalHeader();
    const QSignalBlocker blocker(header);
    header->moveSection(newVisual, oldVisual);
    Q_EMIT columnMoveRequested(m_model.tableColumn(oldVisual), m_model.tableColumn(newVisual));
}

QVector<int> GridView::columnWidths() const
{
    // The header's own count: the table may already have changed shape under the model.
    QVector<int> widths;
    for (int column = 0; column < horizontalHeader()->count(); ++column)
        widths.append(columnWidth(column));
    return widths;
}

void GridView::setColumnWidths(const QVector<int> &widths)
{
    for (int column = 0; column < std::min<int>(int(widths.size()), m_model.columnCount()); ++column)
        setColumnWidth(column, widths.at(column));
}

void GridView::scrollToTableRow(int tableRow)
{
    const QModelIndex index = m_model.index(tableRow - 1, std::max(0, columnAt(0)));
    if (index.isValid())
        scrollTo(index, QAbstractItemView::EnsureVisible);
}

void GridView::restoreSelection(const QItemSelection &selection)
{
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    // An unchanged selection emits nothing, but the table may have dropped its note of it.
    syncSelectionToTable();
}

void GridView::scrollToLastRow()
{
    if (m_model.rowCount() == 0)
        return;
    scrollToBottom();
    viewport()->update();
    updateRowsBelow();
}

QPoint GridView::currentTableCell() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return { -1, -1 };
    return { m_model.tableColumn(current.column()), m_model.tableRow(current.row()) };
}

qsizetype GridView::selectedCellCount() const
{
    qsizetype count = 0;
    for (const QItemSelectionRange &range : selectionModel()->selection())
        count += qsizetype(range.width()) * range.height();
    return count;
}

QString GridView::positionText() const
{
    const qsizetype selected = selectedCellCount();
    const QModelIndex current = currentIndex();
    if (selected == 0 || !current.isValid())
        return {};
    return QStringLiteral("   Row: %1  Column: %2  Selected: %3")
        .arg(m_model.tableRow(current.row()))
        .arg(m_model.tableColumn(current.column()))
        .arg(selected);
}

void GridView::syncSelectionToTable()
{
    if (m_model.isFrozen())
        return;
    std::vector<CellRange> ranges;
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        ranges.push_back({ m_model.tableRow(range.top()), m_model.tableColumn(range.left()),
            m_model.tableRow(range.bottom()), m_model.tableColumn(range.right()) });
    }
    m_table.setSelection(std::move(ranges));
}

void GridView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTableView::selectionChanged(selected, deselected);
    syncSelectionToTable();
    Q_EMIT positionChanged(positionText());
}

void GridView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    Q_EMIT positionChanged(positionText());
}

void GridView::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        QTableView::wheelEvent(event);
        return;
    }
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() - notches * wheelRowsPerNotch);
    event->accept();
}

void GridView::updateRowsBelow()
{
    const int rows = m_model.rowCount();
    int lastVisible = rowAt(viewport()->height() - 1);
    if (lastVisible < 0)
        lastVisible = rows - 1; // the rows end above the bottom edge
    const bool below = rows > 0 && lastVisible < rows - 1;
    if (below == m_rowsBelow)
        return;
    m_rowsBelow = below;
    Q_EMIT rowsBelowChanged(below);
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    updateRowsBelow();
}

bool GridView::showTipForCutOffText(const QPoint &pos, const QPoint &globalPos)
{
    const QModelIndex index = indexAt(pos);
    if (!index.isValid())
        return false;
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(index.data(Qt::FontRole).value<QFont>());
    if (text.isEmpty() || metrics.horizontalAdvance(text) + cellTextMargin <= columnWidth(index.column()))
        return false;
    QToolTip::showText(globalPos, QLatin1Char(' ') + text + QLatin1Char(' '), viewport(), visualRect(index));
    return true;
}

bool GridView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (!showTipForCutOffText(help->pos(), help->globalPos()))
            QToolTip::hideText();
        return true;
    }
    return QTableView::viewportEvent(event);
}

} // namespace quillog::ui
