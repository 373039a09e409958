// SPDX-License-Identifier: GPL-3.0-or-later
// Import and Save as Excel CSV driven through the window's menu, its file dialog and its progress window.
#include "WindowFixture.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

TEST(ImportWindow, CabrilloLogFillsTheGridAndExportsAsCsv)
{
    QTemporaryDir dataFolder;
    MemoryKeyValueStore store;
    test::MessageBoxAnswerer answerer;
    MainWindow window(store, dataFolder.path().toStdString());
    window.start();
    const MainActions &actions = window.menus().actions();
    EXPECT_FALSE(actions.saveAsCsv->isEnabled());

    const QString log = QStringLiteral(QUILLOG_TEST_DATA "/cabrillo/writelog_arrl-dx-cw_te5t.log");
    {
        test::FileDialogAnswerer chooser(log);
        actions.import->trigger();
    }
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillog - ") + log + "[*]");
    EXPECT_EQ(window.statusText(2), "   QSOs: 59");
    EXPECT_EQ(window.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "FREQ");
    EXPECT_EQ(window.model().data(window.model().index(0, 0), Qt::DisplayRole).toString(), "28.051");
    EXPECT_TRUE(actions.saveAsCsv->isEnabled());

    const QString target = dataFolder.filePath(QStringLiteral("out.csv"));
    {
        test::FileDialogAnswerer chooser(target);
        actions.saveAsCsv->trigger();
    }
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readLine().startsWith("\"FREQ\";\"MODE\";\"QSO_DATE\""));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillog - ") + log + "[*]") << "the export is a copy";
}

} // namespace quillog::ui
