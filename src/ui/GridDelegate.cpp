// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridDelegate.h"

#include "ui/LogTableModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>

namespace quillog::ui
{

GridDelegate::GridDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

void GridDelegate::setStyle(GridStyle style, QColor linesColour)
{
    m_style = style;
    m_lines = linesColour;
}

void GridDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    // The focus frame hides the edges the grid style draws; the selected colour shows the current cell.
    cell.state &= ~QStyle::State_HasFocus;
    // A cell's own colour (the check's mark) paints under the selection like the default background.
    QStyledItemDelegate::paint(painter, cell, index);
    const QPalette palette = QApplication::palette();
    painter->save();
    paintLines(*painter, option.rect, m_style, m_lines, palette.color(QPalette::Shadow),
        palette.color(QPalette::Light));
    painter->restore();
}

void applyGridAppearance(QTableView &grid, const GridAppearance &appearance, const QFont &font)
{
    QPalette colours = grid.palette();
    colours.setColor(QPalette::Base, toQColor(appearance.backColour));
    colours.setColor(QPalette::Text, toQColor(appearance.textColour));
    colours.setColor(QPalette::Highlight, toQColor(appearance.selectedColour));
    colours.setColor(QPalette::HighlightedText, QApplication::palette().color(QPalette::HighlightedText));
    grid.setPalette(colours);
    auto *delegate = qobject_cast<GridDelegate *>(grid.itemDelegate());
    if (delegate == nullptr) {
        delegate = new GridDelegate(&grid);
        grid.setItemDelegate(delegate);
    }
    delegate->setStyle(appearance.style, toQColor(appearance.linesColour));
    // The delegate draws the lines in the chosen style; Qt's own lines would cover them.
    grid.setShowGrid(false);
    grid.setFont(font);
    grid.horizontalHeader()->setFont(font);
    grid.verticalHeader()->setFont(font);
    grid.viewport()->update();
}

void GridDelegate::paintLines(QPainter &painter, const QRect &cell, GridStyle style, const QColor &lines,
    const QColor &shadow, const QColor &highlight)
{
    const int bottom = cell.bottom();
    const int right = cell.right();
    switch (style) {
    case GridStyle::None:
        return;
    case GridStyle::Flat:
        painter.setPen(lines);
        painter.drawLine(cell.left(), bottom, right, bottom);
        painter.drawLine(right, cell.top(), right, bottom);
        return;
    case GridStyle::Inset:
    case GridStyle::Raised: {
        // On the boundary and one pixel before it; inset puts the dark line on the boundary.
        const QColor onEdge = style == GridStyle::Inset ? shadow : highlight;
        const QColor before = style == GridStyle::Inset ? highlight : shadow;
        painter.setPen(onEdge);
        painter.drawLine(cell.left(), bottom, right, bottom);
        painter.drawLine(right, cell.top(), right, bottom);
        painter.setPen(before);
        painter.drawLine(cell.left(), bottom - 1, right - 1, bottom - 1);
        painter.drawLine(right - 1, cell.top(), right - 1, bottom - 1);
        return;
    }
    }
}

} // namespace quillog::ui
