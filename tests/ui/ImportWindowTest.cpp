// SPDX-License-Identifier: GPL-3.0-or-later
// Import and Save as Excel CSV driven through the window's menu, its file dialog and its progress window.
#include "UiTestSupport.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

namespace
{

// Answers the next file dialog that opens with the given path.
class FileDialogAnswerer : public QObject
{
public:
    explicit FileDialogAnswerer(QString path)
        : m_path(std::move(path))
    {
        connect(&m_timer, &QTimer::timeout, this, &FileDialogAnswerer::answer);
        m_timer.start(20);
    }

private:
    void answer()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QFileDialog *>(widget);
            if (dialog == nullptr || !dialog->isVisible())
                continue;
            // The dialog may still be listing its folder and refuse; the next tick tries again.
            dialog->selectFile(m_path);
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog makes it protected
            return;
        }
    }

    QString m_path;
    QTimer m_timer;
};

} // namespace

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
        FileDialogAnswerer chooser(log);
        actions.import->trigger();
    }
    EXPECT_TRUE(answerer.texts.isEmpty()) << answerer.texts.join('|').toStdString();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillog - ") + log);
    EXPECT_EQ(window.statusText(2), "   QSOs: 59");
    EXPECT_EQ(window.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "FREQ");
    EXPECT_EQ(window.model().data(window.model().index(0, 0), Qt::DisplayRole).toString(), "28.051");
    EXPECT_TRUE(actions.saveAsCsv->isEnabled());

    const QString target = dataFolder.filePath(QStringLiteral("out.csv"));
    {
        FileDialogAnswerer chooser(target);
        actions.saveAsCsv->trigger();
    }
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readLine().startsWith("\"FREQ\";\"MODE\";\"QSO_DATE\""));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quillog - ") + log) << "the export is a copy";
}

} // namespace quillog::ui
