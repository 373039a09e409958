// SPDX-License-Identifier: GPL-3.0-or-later
// The grid keeps the operator's place: widths, scroll position, current cell and selection.
#include "WindowFixture.h"
#include "ui/ClipboardGlue.h"
#include "ui/DocumentCommands.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>

namespace quillog::ui
{

namespace
{

using test::Window;

struct Place {
    QVector<int> widths;
    int top = 0;
    int left = 0;
    QModelIndex current;
    QModelIndexList selected;

    explicit Place(GridView &view)
        : widths(view.columnWidths())
        , top(view.verticalScrollBar()->value())
        , left(view.horizontalScrollBar()->value())
        , current(view.currentIndex())
        , selected(view.selectionModel()->selectedIndexes())
    {
    }
    bool operator==(const Place &) const = default;
};

// A copy of the sample log the test may write over.
struct EditableLog {
    QTemporaryDir folder;
    QString path = folder.path() + QStringLiteral("/log.adi");
    EditableLog() { QFile::copy(test::samplePath, path); }
};

void putOnClipboard(const QString &text)
{
    QGuiApplication::clipboard()->setMimeData(clipboardData(text, true));
}

} // namespace

TEST(GridShape, LaterWorkersLeaveWidthsPositionAndSelectionAsTheyWere)
{
    EditableLog log;
    EditableLog other;
    struct Case {
        const char *command;
        std::function<void(Window &)> run;
    };
    const Case cases[] = {
        { "Save", [](Window &w) { w.actions().save->trigger(); } },
        { "Check", [](Window &w) { w.actions().check->trigger(); } },
        { "Merge",
            [&](Window &w) {
                test::FileDialogAnswerer answer(other.path);
                w.actions().merge->trigger();
            } },
    };
    for (const Case &c : cases) {
        Window w;
        w.window->resize(900, 500);
        w.window->show();
        w.window->openPath(log.path);
        GridView &view = w.window->view();
        view.setColumnWidth(0, 131);
        view.setColumnWidth(3, 47);
        // Ctrl+End, then an edit at the bottom right.
        view.scrollToBottom();
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        const int last = w.model().rowCount() - 1;
        w.select(last, 5, last, 6);
        ASSERT_TRUE(w.model().setData(w.model().index(last, 5), QStringLiteral("K1ABC"), Qt::EditRole));
        const Place before(view);
        ASSERT_GT(before.top, 0);

        c.run(w);
        const Place after(view);
        EXPECT_EQ(after.widths.mid(0, before.widths.size()), before.widths) << c.command;
        EXPECT_EQ(after.top, before.top) << c.command;
        EXPECT_EQ(after.left, before.left) << c.command;
        EXPECT_EQ(after.current, before.current) << c.command;
        EXPECT_EQ(after.selected, before.selected) << c.command;
    }
}

TEST(GridShape, OpenSizesTheColumnsAnewAndStartsAtTheTop)
{
    Window w;
    w.window->resize(900, 500);
    w.window->show();
    w.open();
    GridView &view = w.window->view();
    view.setColumnWidth(0, 400);
    view.scrollToBottom();
    w.open();
    EXPECT_LT(view.columnWidth(0), 400);
    EXPECT_EQ(view.verticalScrollBar()->value(), 0);
    EXPECT_FALSE(view.currentIndex().isValid());
}

TEST(GridShape, NewColumnsAreVisibleAndSizedToTheirContents)
{
    Window w;
    GridView &view = w.window->view();
    const int defaultWidth = view.horizontalHeader()->defaultSectionSize();
    ASSERT_EQ(w.model().columnCount(), 15);
    for (int column = 0; column < 15; ++column)
        EXPECT_EQ(view.columnWidth(column), defaultWidth) << "empty start grid, column " << column;

    w.open();
    const int fields = w.model().columnCount();
    const QVector<int> widths = view.columnWidths();
    putOnClipboard(QStringLiteral("<CALL:4>AB1C <MY_RIG_DESCRIPTION:31>Transceiver with a long antenna "
                                  "<CONTEST_ID:2>XX <EOR>\r\n"));
    w.select(3, 0, 3, 0);
    w.actions().paste->trigger();
    ASSERT_EQ(w.model().columnCount(), fields + 2);
    EXPECT_EQ(view.columnWidths().mid(0, fields), widths) << "the old columns keep their widths";
    const QFontMetrics metrics(view.font());
    const int longText = metrics.horizontalAdvance(QStringLiteral("Transceiver with a long antenna"));
    EXPECT_GE(view.columnWidth(fields), longText) << "sized to its contents";
    EXPECT_GE(view.columnWidth(fields + 1), metrics.horizontalAdvance(QStringLiteral("CONTEST_ID")));
    EXPECT_LT(view.columnWidth(fields + 1), longText);
}

TEST(GridShape, DraggingAHeaderMovesTheColumnWithItsWidthAndIsUndone)
{
    Window w;
    w.open();
    GridView &view = w.window->view();
    LogTable &table = w.window->document().table();
    const std::vector<std::string> before = [&] {
        std::vector<std::string> names;
        for (int column = 0; column < table.columnCount(); ++column)
            names.emplace_back(table.text(0, column));
        return names;
    }();
    view.setColumnWidth(0, 155);
    const QString firstCall = w.model().data(w.model().index(0, 0), Qt::DisplayRole).toString();

    view.horizontalHeader()->moveSection(0, 2); // CALL dragged behind the next two columns
    EXPECT_EQ(table.text(0, 3), "CALL");
    EXPECT_EQ(table.text(0, 1), before[2]);
    EXPECT_EQ(w.model().data(w.model().index(0, 2), Qt::DisplayRole).toString(), firstCall);
    EXPECT_EQ(view.columnWidth(2), 155) << "the width goes with the column";
    EXPECT_EQ(view.horizontalHeader()->visualIndex(2), 2) << "the header shows the table's order";
    EXPECT_TRUE(w.actions().save->isEnabled());

    for (int step = 0; step < 3; ++step)
        w.actions().undo->trigger();
    for (int column = 0; column < table.columnCount(); ++column)
        EXPECT_EQ(table.text(0, column), before[std::size_t(column)]);
    EXPECT_EQ(view.columnWidth(0), 155);
    EXPECT_FALSE(w.actions().save->isEnabled());
}

} // namespace quillog::ui
