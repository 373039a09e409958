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
    QPalette colours = palette();
    colours.setColor(QPalette::Base, toQColor(appearance.backColour));
    colours.setColor(QPalette::Text, toQColor(appearance.textColour));
    colours.setColor(QPalette::Highlight, toQColor(appearance.selectedColour));
    colours.setColor(QPalette::HighlightedText, QApplication::palette().color(QPalette::HighlightedText));
    setPalette(colours);
    m_delegate->setStyle(appearance.style, toQColor(appearance.linesColour));
    setHorizontalScrollMode(appearance.excelScroll ? ScrollPerItem : ScrollPerPixel);
    setFont(font);
    horizontalHeader()->setFont(font);
    verticalHeader()->setFont(font);
    const int rowHeight = QFontMetrics(font).height() + 6;
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    m_model.setAppearance(appearance, font);
    viewport()->update();
}

void GridView::sizeColumnsAfterLoad()
{
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
    QVector<int> widths;
    for (int column = 0; column < m_model.columnCount(); ++column)
        widths.append(columnWidth(column));
    m_model.reset();
    for (int column = 0; column < std::min<int>(int(widths.size()), m_model.columnCount()); ++column)
        setColumnWidth(column, widths.at(column));
    restoreSelectionFromTable();
    updateRowsBelow();
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
