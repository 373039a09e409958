// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BandPlanDialog.h"

#include "ui/LogTableModel.h"

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quillog::ui
{

TEST(BandPlanDialog, TheGridDrawsItsLinesInTheGridStyle)
{
    const QPalette palette = QApplication::palette();
    const Colour lines = makeColour(10, 200, 30);
    struct Case {
        GridStyle style;
        QColor edge; // the pixel on a cell's bottom edge
    };
    for (const Case &c : { Case { GridStyle::Flat, toQColor(lines) },
             Case { GridStyle::Inset, palette.color(QPalette::Shadow) },
             Case { GridStyle::Raised, palette.color(QPalette::Light) },
             Case { GridStyle::None, toQColor(defaultGridBackColour) } }) {
        QTemporaryDir dataFolder;
        GridAppearance appearance;
        appearance.style = c.style;
        appearance.linesColour = lines;
        BandPlanDialog dialog(dataFolder.path().toStdString(), appearance);
        dialog.show();
        QTableWidget *grid = dialog.grid();
        ASSERT_GT(grid->rowCount(), 0);
        grid->clearSelection();
        grid->setCurrentItem(nullptr);
        const QRect cell = grid->visualItemRect(grid->item(0, 1));
        const QImage picture = grid->viewport()->grab().toImage();
        EXPECT_EQ(picture.pixel(cell.center().x(), cell.bottom()), c.edge.rgb()) << int(c.style);
        dialog.hide();
    }
}

} // namespace quillog::ui
