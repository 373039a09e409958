// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Settings.h"

#include <QColor>
#include <QStyledItemDelegate>

class QTableView;

namespace quillog::ui
{

/// Paints a cell, then its grid lines in the chosen border style: none; flat lines in the lines colour
/// at the bottom and right edges; or the two-colour inset or raised edges.
class GridDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit GridDelegate(QObject *parent = nullptr);

    void setStyle(GridStyle style, QColor linesColour);
    GridStyle gridStyle() const { return m_style; }

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    /// The lines of one cell's bottom and right edges; public so that the look can be tested.
    static void paintLines(QPainter &painter, const QRect &cell, GridStyle style, const QColor &lines,
        const QColor &shadow, const QColor &highlight);

private:
    GridStyle m_style = GridStyle::Flat;
    QColor m_lines;
};

/// Gives a grid the operator's look: colours, font and the border style drawn by a GridDelegate (made
/// for the grid when it has none). The main grid and the smaller grids of the dialogs share it.
void applyGridAppearance(QTableView &grid, const GridAppearance &appearance, const QFont &font);

} // namespace quillog::ui
