// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UiTestSupport.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "ui/GridMenus.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/ProgressWindow.h"
#include "ui/QtHost.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <memory>

namespace quillog::ui::test
{

inline const QString samplePath = QStringLiteral(QUILLOG_TEST_DATA "/ui/sample.adi");

/// Collects the label of each progress window the window shows, as it closes.
inline void collectProgressLabels(MainWindow &window, QStringList &labels)
{
    QObject::connect(&window.host(), &QtHost::progressWindowShown, [&labels](QWidget *shown) {
        auto *progress = static_cast<ProgressWindow *>(shown);
        QObject::connect(progress, &QDialog::finished, [&labels, progress] { labels << progress->label(); });
    });
}

/// The started main window over an in-memory settings store and a data folder of its own, every message
/// box answered with the button (NoButton: the box's default button).
struct StartedWindow {
    QTemporaryDir dataFolder;
    MemoryKeyValueStore store;
    MessageBoxAnswerer answerer;
    std::unique_ptr<MainWindow> window;

    explicit StartedWindow(QMessageBox::StandardButton answer = QMessageBox::NoButton)
        : answerer(answer)
    {
        window = std::make_unique<MainWindow>(store, dataFolder.path().toStdString());
        window->start();
    }
};

/// The same, answering No (and so never opening a save report), with the grid at hand.
struct Window : StartedWindow {
    Window()
        : StartedWindow(QMessageBox::No)
    {
    }
    const MainActions &actions() const { return window->menus().actions(); }
    LogTableModel &model() const { return window->model(); }
    void open() const { window->openPath(samplePath); }
    void select(int firstRow, int firstColumn, int lastRow, int lastColumn) const
    {
        window->view().selectionModel()->select(
            QItemSelection(model().index(firstRow, firstColumn), model().index(lastRow, lastColumn)),
            QItemSelectionModel::ClearAndSelect);
        window->view().selectionModel()->setCurrentIndex(
            model().index(firstRow, firstColumn), QItemSelectionModel::NoUpdate);
    }
    QStringList cellMenu(int row, int column) const
    {
        std::unique_ptr<QMenu> menu(window->gridMenus().cellMenu(model().index(row, column), nullptr));
        return menu ? GridMenus::itemTexts(*menu) : QStringList { "(no menu)" };
    }
};

/// Answers the next file dialog that opens with the given path, as the operator would type it.
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
            connect(dialog, &QDialog::finished, &m_timer, &QTimer::stop, Qt::UniqueConnection);
            // Typed into the name field: selectFile() leaves a focused field as it is, and the dialog
            // would then answer with its folder. A refused accept is tried again on the next tick.
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(m_path);
            else
                dialog->selectFile(m_path);
            static_cast<QDialog *>(dialog)->accept(); // QFileDialog makes it protected
            return;
        }
    }

    QString m_path;
    QTimer m_timer;
};

} // namespace quillog::ui::test
