// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LogEditCommands.h"

#include "WindowFixture.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/MainWindow.h"
#include "ui/QtHost.h"
#include "ui/dialogs/AddQsoDialog.h"
#include "ui/dialogs/FiltersDialog.h"
#include "ui/dialogs/SplitCountDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

namespace
{

using Window = test::StartedWindow;

// Saves a picture of the widget when QUILLOG_SCREENSHOTS names a folder.
void picture(QWidget &widget, const char *name)
{
    const QByteArray folder = qgetenv("QUILLOG_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    widget.adjustSize();
    widget.grab().save(QString::fromUtf8(folder) + QLatin1Char('/') + QString::fromUtf8(name));
}

} // namespace

TEST(LogEditCommands, TheCommandsStandInTheirMenus)
{
    Window w;
    LogEditCommands &commands = w.window->logEditCommands();
    EXPECT_EQ(commands.openFilteredAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    EXPECT_EQ(commands.addQsosAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Q));
    // A key two commands share runs neither of them.
    QMap<QKeySequence, QString> owners;
    for (const QAction *action : w.window->findChildren<QAction *>()) {
        for (const QKeySequence &key : action->shortcuts()) {
            EXPECT_FALSE(owners.contains(key))
                << key.toString().toStdString() << ": " << owners.value(key).toStdString() << " and "
                << action->text().toStdString();
            owners.insert(key, action->text());
        }
    }
    QStringList menus;
    for (QAction *action : w.window->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus.count(QStringLiteral("&Tools")), 1);
    EXPECT_LT(menus.indexOf(QStringLiteral("&Tools")), menus.indexOf(QStringLiteral("&Help")));
}

TEST(LogEditCommands, QsosTypedIntoAFreshWindowBecomeRowsAndSaveAsksForAName)
{
    Window w;
    w.window->logEditCommands().showAddQsos();
    AddQsoDialog *dialog = w.window->logEditCommands().addQsoDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->callField()->setText(QStringLiteral("dl1abc"));
    dialog->timeField()->setText(QStringLiteral("1234"));
    dialog->bandField()->setEditText(QStringLiteral("20M"));
    dialog->modeField()->setEditText(QStringLiteral("CW"));
    dialog->rstSentField()->setText(QStringLiteral("599"));
    dialog->addQso();
    EXPECT_FALSE(w.window->document().isLogOpen()) << "RST Rcvd is required";
    EXPECT_TRUE(dialog->rstRcvdField()->hasFocus() || !dialog->isActiveWindow());
    dialog->rstRcvdField()->setText(QStringLiteral("579"));
    dialog->gridField()->setText(QStringLiteral("jo30ab"));
    picture(*dialog, "add-qsos.png");
    dialog->addQso();
    const LogTable &table = w.window->document().table();
    ASSERT_EQ(table.qsoCount(), 1);
    EXPECT_EQ(table.text(1, 1), "DL1ABC");
    EXPECT_TRUE(dialog->callField()->text().isEmpty());
    EXPECT_EQ(dialog->timeField()->text(), QStringLiteral("1234")) << "the time stays for the next QSO";
    EXPECT_TRUE(w.window->document().needsNewName());
}

TEST(LogEditCommands, DialogsShowTheirFields)
{
    Window w;
    FiltersDialog filters(filterFilePath(w.window->document().dataFolder()),
        w.window->document().definitions(), w.window->host(), w.window.get());
    picture(filters, "filters.png");
    EXPECT_EQ(filters.windowTitle(), QStringLiteral("Filters"));
    EXPECT_FALSE(filters.settings().useDate);

    int asked = -1;
    SplitCountDialog split(
        10,
        [&](int count) {
            asked = count;
            return count <= 10;
        },
        w.window.get());
    picture(split, "split.png");
    EXPECT_EQ(split.countField()->text(), QStringLiteral("5"));
    split.countField()->setText(QStringLiteral("11"));
    split.accept();
    EXPECT_EQ(asked, 11);
    EXPECT_EQ(split.result(), QDialog::Rejected) << "a count above the total keeps the dialog open";
    split.countField()->setText(QString());
    split.accept();
    EXPECT_EQ(split.count(), 0);
    EXPECT_EQ(split.result(), QDialog::Accepted);
}

} // namespace quillog::ui
