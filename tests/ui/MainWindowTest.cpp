// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MainWindow.h"

#include "UiTestSupport.h"
#include "WindowFixture.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/ClipboardGlue.h"
#include "ui/DocumentCommands.h"
#include "ui/GridMenus.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

using test::samplePath;
using test::Window;

namespace
{

std::vector<bool> enabled(std::initializer_list<QAction *> actions)
{
    std::vector<bool> states;
    for (QAction *action : actions)
        states.push_back(action->isEnabled());
    return states;
}

} // namespace

TEST(MainWindow, CommandsFollowTheDocumentState)
{
    Window w;
    const MainActions &a = w.actions();
    const auto fileAndEdit = [&] {
        return enabled({ a.open, a.reload, a.merge, a.save, a.saveAs, a.undo, a.redo });
    };
    EXPECT_EQ(w.window->windowTitle(), "Quillog[*]");
    EXPECT_EQ(fileAndEdit(), (std::vector<bool> { true, false, false, false, false, false, false }));

    w.open();
    EXPECT_EQ(w.window->windowTitle(), QStringLiteral("Quillog - ") + samplePath + "[*]");
    EXPECT_FALSE(w.window->isWindowModified());
    EXPECT_EQ(w.window->statusText(2), "   QSOs: 250");
    EXPECT_EQ(w.window->statusText(0), "Ready");
    EXPECT_EQ(fileAndEdit(), (std::vector<bool> { true, true, true, false, true, false, false }));

    ASSERT_TRUE(w.model().setData(w.model().index(0, 0), QStringLiteral("DL1ABC"), Qt::EditRole));
    EXPECT_EQ(fileAndEdit(), (std::vector<bool> { true, true, true, true, true, true, false }));
    EXPECT_TRUE(w.window->isWindowModified()) << "the title shows what Close will ask about";

    a.undo->trigger();
    EXPECT_FALSE(w.window->isWindowModified());
    EXPECT_EQ(fileAndEdit(), (std::vector<bool> { true, true, true, false, true, false, true }));
    EXPECT_NE(w.model().data(w.model().index(0, 0), Qt::DisplayRole).toString(), "DL1ABC");
    EXPECT_TRUE(w.answerer.texts.isEmpty()) << w.answerer.texts.join('|').toStdString();
}

TEST(MainWindow, OpenedFileJoinsTheRecentFilesMenu)
{
    Window w;
    EXPECT_TRUE(w.window->menus().recentFilesMenu()->actions().isEmpty());
    w.open();
    const QList<QAction *> entries = w.window->menus().recentFilesMenu()->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first()->text(), samplePath);
    EXPECT_EQ(w.store.readString("File1"), samplePath.toStdString());
}

TEST(MainWindow, CellMenuOffersWhatFitsTheSelection)
{
    Window w;
    w.open();
    w.select(0, 0, 0, 3);
    EXPECT_EQ(w.cellMenu(0, 1),
        (QStringList { "&Copy", "&Paste", "", "Join Selected Columns", "Combine Selected Columns",
            "Delete Selected Columns", "Delete Selected Row", "", "Copy Selected Row as CSV",
            "Copy Selected Row as ADIF", "Save Selected Row as ADIF", "", "Replace In Selection" }));
    w.select(2, 1, 5, 1);
    EXPECT_EQ(w.cellMenu(3, 1).mid(2, 4),
        (QStringList { "", "Delete Selected Rows", "", "Copy Selected Rows as CSV" }));
    // A right click outside the selection leaves only the clicked cell selected.
    EXPECT_EQ(w.cellMenu(9, 4),
        (QStringList { "&Copy", "&Paste", "", "Add Serial Number", "Fill Column", "Replace",
            "Replace In Selection", "Find In Column", "", "Convert Time", "", "Remove Alpha",
            "Remove Numeric", "Remove Symbols", "", "Remove Left Char", "Remove Right Char", "",
            "Trim Column", "Split Column", "", "Autosize Columns", "", "Insert Column", "Insert Row",
            "Duplicate Column", "Duplicate Row", "", "Move Row Up", "Move Row Down", "", "Delete Column",
            "Delete Row" }));
    EXPECT_EQ(w.window->statusText(1), "   Row: 10  Column: 5  Selected: 1");
}

TEST(MainWindow, SortThisColumnAlternatesAndIsUndone)
{
    Window w;
    w.open();
    LogTable &table = w.window->document().table();
    const int call = table.findColumn("CALL");
    const std::string first(table.text(1, call));
    // The sort runs beside the progress window, so that a large log leaves the window alive.
    QStringList labels;
    test::collectProgressLabels(*w.window, labels);
    w.window->commands().sortByColumn(call);
    EXPECT_EQ(labels, QStringList { "Sorting ..." });
    for (int row = 2; row < table.rowCount(); ++row)
        ASSERT_LE(table.text(row - 1, call), table.text(row, call));
    w.window->commands().sortByColumn(call);
    for (int row = 2; row < table.rowCount(); ++row)
        ASSERT_GE(table.text(row - 1, call), table.text(row, call));
    EXPECT_TRUE(w.actions().save->isEnabled());

    w.actions().undo->trigger();
    w.actions().undo->trigger();
    EXPECT_EQ(table.text(1, call), first);
    EXPECT_EQ(table.text(1, 0), "1");
    EXPECT_FALSE(w.actions().save->isEnabled());
}

TEST(MainWindow, WholeRowsAreCopiedAsMarkedAdifAndPastedAsRows)
{
    Window w;
    w.open();
    const int fields = w.model().columnCount();
    w.select(0, 0, 1, fields - 1);
    w.actions().copy->trigger();
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(isMarkedAsAdif(copied));
    EXPECT_EQ(copied->text().count(QStringLiteral("<EOR>")), 2);

    w.select(4, 0, 4, 0);
    ASSERT_TRUE(w.actions().paste->isEnabled());
    w.actions().paste->trigger();
    EXPECT_EQ(w.model().rowCount(), 252);
    EXPECT_EQ(w.window->statusText(2), "   QSOs: 252");
    const LogTable &table = w.window->document().table();
    EXPECT_EQ(table.text(5, table.findColumn("CALL")), table.text(1, table.findColumn("CALL")));

    // A cell copy is plain text without our mark.
    w.select(0, 0, 0, 1);
    w.actions().copy->trigger();
    EXPECT_FALSE(isMarkedAsAdif(QGuiApplication::clipboard()->mimeData()));
}

TEST(MainWindow, MissingCommandLineFileIsReported)
{
    Window w;
    w.window->openPath(QStringLiteral("/nonexistent/log.adi"));
    EXPECT_EQ(w.answerer.texts, QStringList { "The selected file does not exist." });
    EXPECT_EQ(w.window->windowTitle(), "Quillog[*]");
}

TEST(MainWindow, CheckColoursTheInvalidCellAndF2GoesThere)
{
    Window w;
    w.open();
    const MainActions &a = w.actions();
    EXPECT_FALSE(a.nextInvalid->isEnabled());
    ASSERT_TRUE(w.model().setData(w.model().index(4, 0), QStringLiteral("X"), Qt::EditRole));
    a.check->trigger();
    ASSERT_EQ(w.answerer.texts.size(), 1);
    EXPECT_TRUE(w.answerer.texts[0].startsWith("There is at least one error"));
    EXPECT_EQ(w.model().data(w.model().index(4, 0), Qt::BackgroundRole).value<QBrush>().color(),
        QColor(255, 200, 200));
    EXPECT_TRUE(a.nextInvalid->isEnabled());
    a.nextInvalid->trigger();
}

TEST(MainWindow, NextInvalidQsoScrollsWithoutSelecting)
{
    Window w;
    w.window->resize(800, 400);
    w.window->show();
    w.open();
    GridView &view = w.window->view();
    ASSERT_TRUE(w.model().setData(w.model().index(200, 0), QStringLiteral("X"), Qt::EditRole));
    w.select(2, 3, 2, 3);
    w.actions().check->trigger();
    ASSERT_EQ(view.rowAt(view.viewport()->height() - 1) < 200, true) << "row 201 starts out of view";
    w.actions().nextInvalid->trigger();
    const int top = view.rowAt(0);
    const int bottom = view.rowAt(view.viewport()->height() - 1);
    EXPECT_TRUE(top <= 200 && 200 <= bottom) << top << ".." << bottom;
    EXPECT_EQ(view.currentIndex(), w.model().index(2, 3));
    EXPECT_EQ(view.selectionModel()->selectedIndexes(), QModelIndexList { w.model().index(2, 3) });
}

TEST(MainWindow, RecentFilesShowAmpersandsAndExitHasTheQuitKey)
{
    Window w;
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/R&D log.adi");
    ASSERT_TRUE(QFile::copy(samplePath, path));
    w.window->openPath(path);
    const QList<QAction *> entries = w.window->menus().recentFilesMenu()->actions();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first()->text(), folder.path() + QStringLiteral("/R&&D log.adi"));
    EXPECT_TRUE(w.actions().exit->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
    EXPECT_FALSE(w.window->windowIcon().isNull());
    EXPECT_FALSE(w.window->windowIcon().pixmap(48, 48).isNull());
}

} // namespace quillog::ui
