// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ValidationCommands.h"

#include "WindowFixture.h"
#include "check/ValidationProfiles.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/ValidationDock.h"

#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

namespace
{

struct Window : test::StartedWindow {
    Window() { window->openPath(QStringLiteral(QUILLOG_TEST_DATA "/ui/planted_faults.adi")); }
    ValidationCommands &commands() const { return window->validationCommands(); }
    ValidationDock &dock() const { return commands().dock(); }
    const LogTable &table() const { return window->document().table(); }
    int column(const char *name) const { return table().findColumn(name); }
    void validate(const char *profile) const { commands().validateWith(*findValidationProfile(profile)); }
};

} // namespace

TEST(ValidationCommands, ListsEveryFindingAndExplainsTheMarkedCells)
{
    Window w;
    w.validate("adif");
    EXPECT_FALSE(w.dock().isHidden());
    EXPECT_EQ(w.dock().summary(), QStringLiteral("18 errors and 3 warnings in 9 of 12 QSOs (profile adif)."));
    EXPECT_EQ(w.dock().findings().rowCount(), 21);
    EXPECT_EQ(w.window->statusText(0), w.dock().summary());

    const int cqz = w.column("CQZ");
    const QModelIndex cell = w.window->model().index(5 - 1, w.window->model().modelColumn(cqz));
    EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("CQZ 41 is out of range 1–40"));
    EXPECT_EQ(w.table().backgroundColour(5, cqz), w.window->document().settings().grid.markedColour);
    EXPECT_TRUE(w.window->document().canStepThroughInvalid());
    EXPECT_EQ(w.window->document().nextInvalidQso(), 2);

    // A double click on the finding goes to its cell.
    QTableView &list = w.dock().view();
    list.sortByColumn(FindingsModel::FieldColumn, Qt::AscendingOrder);
    EXPECT_EQ(w.dock().findingAt(0).field, "CONT");
    Q_EMIT list.doubleClicked(list.model()->index(0, 0));
    EXPECT_EQ(w.window->view().currentIndex().row(), 5 - 1);
    EXPECT_EQ(w.window->model().tableColumn(w.window->view().currentIndex().column()), w.column("CONT"));

    if (const char *folder = std::getenv("QUILLOG_SCREENSHOTS"))
        w.window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/validation.png"));
}

TEST(ValidationCommands, AFixInTheGridClearsItsFindingWhenValidatedAgain)
{
    Window w;
    w.validate("adif");
    const int cqz = w.column("CQZ");
    LogTableModel &model = w.window->model();
    const QModelIndex cell = model.index(5 - 1, model.modelColumn(cqz));
    ASSERT_TRUE(model.setData(cell, QStringLiteral("40"), Qt::EditRole));
    // The old explanation no longer fits the cell: it goes at once.
    EXPECT_FALSE(cell.data(Qt::ToolTipRole).isValid());
    w.validate("adif");
    EXPECT_EQ(w.dock().findings().rowCount(), 20);
    EXPECT_FALSE(cell.data(Qt::ToolTipRole).isValid());
    EXPECT_NE(w.table().backgroundColour(5, cqz), w.window->document().settings().grid.markedColour);
}

TEST(ValidationCommands, ValidateStandsLastInTheOneToolsMenu)
{
    Window w;
    QMenu *tools = w.window->menus().toolsMenu();
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(tools->actions().last(), w.commands().validateAction());
    int toolsMenus = 0;
    for (QAction *action : w.window->menuBar()->actions())
        toolsMenus += action->text() == QStringLiteral("&Tools") ? 1 : 0;
    EXPECT_EQ(toolsMenus, 1);
    EXPECT_TRUE(w.commands().validateAction()->isEnabled());
}

} // namespace quillog::ui
