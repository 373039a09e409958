// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ToolCommands.h"

#include "UiTestSupport.h"
#include "WindowFixture.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "tools/ToolResult.h"
#include "ui/GridMenus.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/MainWindow.h"
#include "ui/SearchCommands.h"
#include "ui/dialogs/ConvertDateDialog.h"
#include "ui/dialogs/ConvertModeDialog.h"
#include "ui/dialogs/FieldNameDialog.h"
#include "ui/dialogs/FindDialog.h"
#include "ui/dialogs/FixTimeDialog.h"
#include "ui/dialogs/ReplaceDialog.h"
#include "ui/dialogs/SearchResultsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

namespace
{

// A small log whose columns the tools look for; the window opens it as the operator would.
const char *smallLog
    = "<EOH>\r\n"
      "<CALL:6>DL1ABC <QSO_DATE:8>21.03.24 <TIME_ON:5>14:05 <FREQ:5>14074 <MODE:3>FT4 <EOR>\r\n"
      "<CALL:4>K1AB <QSO_DATE:8>01.12.99 <TIME_ON:5>09:30 <FREQ:4>7030 <MODE:2>CW <EOR>\r\n"
      "<CALL:4>W1AW <QSO_DATE:8>02.01.00 <TIME_ON:5>23:59 <FREQ:4>3573 <MODE:3>ft8 <EOR>\r\n";

struct Window {
    QTemporaryDir dataFolder;
    MemoryKeyValueStore store;
    std::unique_ptr<test::MessageBoxAnswerer> answerer;
    std::unique_ptr<MainWindow> window;
    std::function<int(QDialog &)> onDialog = [](QDialog &) { return int(QDialog::Rejected); };
    QStringList dialogs;

    explicit Window(QMessageBox::StandardButton answer = QMessageBox::NoButton)
        : answerer(std::make_unique<test::MessageBoxAnswerer>(answer))
    {
        window = std::make_unique<MainWindow>(store, dataFolder.path().toStdString());
        window->start();
        const auto runner = [this](QDialog &dialog) {
            dialogs.append(dialog.windowTitle());
            return onDialog(dialog);
        };
        window->tools().setDialogRunner(runner);
        window->search().setDialogRunner(runner);
    }
    void open()
    {
        const QString path = dataFolder.filePath(QStringLiteral("small.adi"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(smallLog);
        file.close();
        window->openPath(path);
    }
    const MainActions &actions() const { return window->menus().actions(); }
    const LogTable &table() const { return window->document().table(); }
    std::string cell(int row, const char *header) const
    {
        return std::string(table().text(row, table().findColumn(header)));
    }
    QStringList messages() const { return answerer->texts; }
    void selectCell(int tableRow, int tableColumn) const
    {
        const QModelIndex index = window->model().index(tableRow - 1, tableColumn - 1);
        window->view().setCurrentIndex(index);
        window->view().selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    }
};

} // namespace

TEST(ToolCommands, ToolsAndSearchMenusNeedAnOpenLog)
{
    Window w;
    const MainActions &a = w.actions();
    const std::vector<QAction *> actions { a.find, a.replace, a.convertDate, a.convertTime,
        a.convertFrequency, a.convertMode, a.makeBand, a.makeFrequency, a.convertDeprecatedModes };
    for (QAction *action : actions)
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    w.open();
    for (QAction *action : actions)
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
    EXPECT_EQ(a.find->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(a.replace->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_H));
}

TEST(ToolCommands, ConvertDateFromTheToolsMenuIsOneUndoStep)
{
    Window w;
    w.open();
    w.onDialog = [](QDialog &dialog) {
        auto &date = dynamic_cast<ConvertDateDialog &>(dialog);
        EXPECT_EQ(date.layouts()->currentText(), "DD.MM.YY");
        EXPECT_EQ(date.layouts()->count(), 8);
        return int(QDialog::Accepted);
    };
    w.actions().convertDate->trigger();
    EXPECT_EQ(w.dialogs, QStringList { "Convert Date" });
    EXPECT_EQ(w.cell(1, "QSO_DATE"), "20240321");
    EXPECT_EQ(w.cell(2, "QSO_DATE"), "19991201");
    EXPECT_EQ(w.window->model().data(w.window->model().index(2, 1), Qt::DisplayRole).toString(), "20000102");
    EXPECT_TRUE(w.actions().undo->isEnabled());
    EXPECT_TRUE(w.actions().save->isEnabled());
    w.actions().undo->trigger();
    EXPECT_EQ(w.cell(3, "QSO_DATE"), "02.01.00");
    EXPECT_FALSE(w.actions().save->isEnabled());
}

TEST(ToolCommands, AMissingColumnIsReportedBeforeAnyDialog)
{
    Window w;
    w.open();
    w.window->document().table().setText(0, w.table().findColumn("FREQ"), "QRG");
    w.actions().convertFrequency->trigger();
    w.actions().makeBand->trigger();
    EXPECT_TRUE(w.dialogs.isEmpty());
    EXPECT_EQ(w.messages(), (QStringList { "Cannot find FREQ column.", "Cannot find FREQ column." }));
    EXPECT_FALSE(w.actions().undo->isEnabled());
}

TEST(ToolCommands, ConvertModeTakesTheEditedFromTextNotThePreset)
{
    Window w;
    w.open();
    w.onDialog = [](QDialog &dialog) {
        auto &mode = dynamic_cast<ConvertModeDialog &>(dialog);
        EXPECT_EQ(mode.from(), "FT4");
        mode.fromField()->setText(QStringLiteral("FT8"));
        mode.toField()->setText(QStringLiteral("MFSK"));
        return int(QDialog::Accepted);
    };
    w.window->tools().convertMode(w.table().findColumn("MODE"), QStringLiteral("FT4"));
    EXPECT_EQ(w.cell(1, "MODE"), "FT4");
    EXPECT_EQ(w.cell(3, "MODE"), "MFSK");
}

TEST(ToolCommands, ARenamedModeColumnOffersItsFirstListedMode)
{
    Window w;
    w.open();
    QStringList presets;
    w.onDialog = [&](QDialog &dialog) {
        presets.append(dynamic_cast<ConvertModeDialog &>(dialog).from());
        return int(QDialog::Rejected);
    };
    w.window->tools().convertModeOfRenamedColumn(w.table().findColumn("MODE"));
    w.window->tools().convertModeOfRenamedColumn(w.table().findColumn("CALL"));
    EXPECT_EQ(presets, QStringList { "CW" }); // FT4 is a submode, not a mode of the list
}

TEST(ToolCommands, DeprecatedModesRunBehindTheProgressWindowAndAddSubmode)
{
    Window w;
    w.open();
    w.onDialog = [](QDialog &dialog) {
        return dynamic_cast<ConvertModeDialog &>(dialog).fixButton()->click(), dialog.result();
    };
    w.actions().convertMode->trigger();
    EXPECT_EQ(w.cell(1, "MODE"), "MFSK");
    EXPECT_EQ(w.cell(1, "SUBMODE"), "FT4");
    EXPECT_EQ(w.table().findColumn("SUBMODE"), w.table().findColumn("MODE") + 1);
    EXPECT_EQ(w.window->model().columnCount(), w.table().columnCount() - 1);
    EXPECT_EQ(w.window->statusText(0), "Ready");
    EXPECT_TRUE(w.messages().isEmpty()) << w.messages().join('|').toStdString();
}

TEST(ToolCommands, BandFromFrequencyInsertsAColumnTheGridShows)
{
    Window w;
    w.open();
    const int columnsBefore = w.window->model().columnCount();
    w.actions().makeBand->trigger();
    EXPECT_EQ(w.window->model().columnCount(), columnsBefore + 1);
    EXPECT_EQ(w.table().findColumn("BAND"), w.table().findColumn("FREQ") + 1);
    EXPECT_EQ(w.cell(1, "BAND"), ""); // 14074 is kHz, no band yet
    w.window->tools().runTool([&] { return ToolResult(); });
    EXPECT_TRUE(w.messages().isEmpty());
}

TEST(ToolCommands, CellMenuOffersTheConversionsOfItsHeader)
{
    Window w;
    w.open();
    const auto menuOn = [&](int tableColumn) {
        w.selectCell(1, tableColumn);
        std::unique_ptr<QMenu> menu(
            w.window->gridMenus().cellMenu(w.window->model().index(0, tableColumn - 1), nullptr));
        return GridMenus::itemTexts(*menu);
    };
    const QStringList date = menuOn(w.table().findColumn("QSO_DATE"));
    EXPECT_TRUE(date.contains("Convert Date"));
    EXPECT_FALSE(date.contains("Convert Time"));
    EXPECT_TRUE(date.contains("Find In Column"));
    EXPECT_TRUE(date.contains("Replace"));
    EXPECT_TRUE(menuOn(w.table().findColumn("TIME_ON")).contains("Convert Time"));
    EXPECT_TRUE(menuOn(w.table().findColumn("FREQ")).contains("Convert Frequency"));
    EXPECT_TRUE(menuOn(w.table().findColumn("MODE")).contains("Convert Mode"));
    const QStringList call = menuOn(w.table().findColumn("CALL"));
    for (const char *conversion : { "Convert Date", "Convert Time", "Convert Frequency", "Convert Mode" })
        EXPECT_FALSE(call.contains(conversion));
}

TEST(SearchCommands, FindNextSelectsTheHitAndWarnsAtTheEnd)
{
    Window w;
    w.open();
    SearchCommands &search = w.window->search();
    search.openFind(false);
    FindOptions options;
    options.text = QStringLiteral("ft");
    search.findNext(options);
    EXPECT_EQ(w.window->view().currentTableCell(), QPoint(w.table().findColumn("MODE"), 1));
    search.findNext(options);
    EXPECT_EQ(w.window->view().currentTableCell().y(), 3);
    search.findNext(options); // the hit was in the last row: the search starts from the top
    EXPECT_EQ(w.window->view().currentTableCell().y(), 1);
    options.text = QStringLiteral("FT4");
    search.findNext(options);
    EXPECT_EQ(w.window->view().currentTableCell().y(), 1);
    search.findNext(options);
    EXPECT_EQ(w.messages(), QStringList { "Cannot find the string:  'FT4'" });
    search.findNext(options);
    EXPECT_EQ(w.window->view().currentTableCell().y(), 1);
    search.openFind(false);
    EXPECT_TRUE(search.findDialog().isVisible());
    EXPECT_EQ(search.findDialog().textField()->text(), "FT4");
    search.findDialog().hide();
}

TEST(SearchCommands, FindAllListsTheRowsInTheResultsWindow)
{
    Window w;
    w.open();
    w.onDialog = [](QDialog &dialog) {
        auto &results = dynamic_cast<SearchResultsDialog &>(dialog);
        EXPECT_EQ(results.grid()->rowCount(), 2);
        EXPECT_EQ(results.grid()->horizontalHeaderItem(0)->text(), "#");
        EXPECT_EQ(results.grid()->item(1, 0)->text(), "3");
        std::unique_ptr<QMenu> menu(results.cellMenu(1, 1, nullptr));
        EXPECT_EQ(GridMenus::itemTexts(*menu).last(), "Find in the Main Window");
        return int(QDialog::Accepted);
    };
    FindOptions options;
    options.text = QStringLiteral("FT");
    w.window->search().findAll(options);
    EXPECT_EQ(w.dialogs, QStringList { "Search results: 2 QSOs found" });
    w.window->search().showRowNumbered(QStringLiteral("3"));
    EXPECT_EQ(w.window->view().currentTableCell().y(), 3);
}

TEST(SearchCommands, ReplaceFromACellChangesThatCellOrItsColumn)
{
    Window w;
    w.open();
    const int mode = w.table().findColumn("MODE");
    w.selectCell(3, mode);
    w.onDialog = [](QDialog &dialog) {
        auto &replace = dynamic_cast<ReplaceDialog &>(dialog);
        EXPECT_EQ(replace.findField()->text(), "ft8");
        EXPECT_TRUE(replace.replaceInColumnButton()->isVisibleTo(&replace));
        EXPECT_EQ(replace.findField()->maxLength(), 259);
        replace.replacementField()->setText(QStringLiteral("FT8"));
        replace.replaceButton()->click();
        replace.findField()->setText(QStringLiteral("F"));
        replace.replacementField()->setText(QStringLiteral("X"));
        replace.replaceInColumnButton()->click();
        return int(QDialog::Rejected);
    };
    w.window->search().openReplace(ReplaceMode::Cell);
    EXPECT_EQ(w.cell(3, "MODE"), "XT8");
    EXPECT_EQ(w.cell(1, "MODE"), "XT4");
    EXPECT_EQ(w.cell(2, "MODE"), "CW");
    EXPECT_EQ(w.cell(1, "FREQ"), "14074");
}

TEST(StructureCommands, HeaderMenuOffersTheTagsAndRenames)
{
    Window w;
    w.open();
    const int mode = w.table().findColumn("MODE");
    std::unique_ptr<QMenu> menu(w.window->gridMenus().headerMenu(mode, nullptr));
    EXPECT_EQ(GridMenus::itemTexts(*menu),
        (QStringList { "Sort This Column", "", "CALL", "BAND", "FREQ", "MODE", "SUBMODE", "QSO_DATE",
            "TIME_ON", "TIME_OFF", "RST_RCVD", "RST_SENT", "NAME", "QTH", "COMMENT", "OPERATOR", "",
            "All Tags...", "", "Custom...", "", "Not Used" }));
    menu->actions().at(13)->trigger(); // QTH
    EXPECT_EQ(w.table().text(0, mode), "QTH");
    menu->actions().last()->trigger(); // Not Used
    EXPECT_EQ(w.table().text(0, mode), "");
    EXPECT_EQ(w.table().text(1, mode), "FT4");
    w.actions().undo->trigger();
    w.actions().undo->trigger();
    EXPECT_EQ(w.table().text(0, mode), "MODE");

    // Custom... refuses a name no reader could read back, and keeps the dialog open.
    w.onDialog = [](QDialog &dialog) {
        auto &names = static_cast<FieldNameDialog &>(dialog);
        names.setName(QStringLiteral("A>B"));
        names.accept();
        EXPECT_EQ(names.result(), int(QDialog::Rejected));
        names.setName(QStringLiteral("MY_RIG"));
        names.accept();
        return names.result();
    };
    w.window->gridMenus().headerMenu(mode, nullptr)->actions().at(19)->trigger();
    EXPECT_EQ(w.table().text(0, mode), "MY_RIG");
    EXPECT_EQ(w.messages().size(), 1);
}

TEST(StructureCommands, ToolsMenuTimeFixesAndSortMarkTheLogModified)
{
    Window w;
    w.open();
    QStringList labels;
    test::collectProgressLabels(*w.window, labels);
    w.actions().sortChronologically->trigger();
    EXPECT_EQ(labels, QStringList { "Sorting ..." }) << "a long sort leaves the window alive";
    EXPECT_TRUE(w.window->document().journal().isModified());
    EXPECT_TRUE(w.actions().save->isEnabled());
    EXPECT_EQ(w.cell(1, "CALL"), "DL1ABC");

    w.onDialog = [](QDialog &dialog) {
        static_cast<FixTimeDialog &>(dialog).setShift(
            QStringLiteral("1"), QStringLiteral("-30"), QStringLiteral("0"));
        return int(QDialog::Accepted);
    };
    w.actions().fixTime->trigger();
    EXPECT_TRUE(w.dialogs.contains("Fix Time Values"));
    EXPECT_EQ(w.messages().last(), "TIME_OFF column is not found.");

    w.actions().upperCall->trigger();
    w.actions().lowerCall->trigger();
    EXPECT_EQ(w.cell(1, "CALL"), "dl1abc");
    w.actions().timeOffFromOn->trigger();
    EXPECT_EQ(w.table().findColumn("TIME_OFF"), w.table().findColumn("TIME_ON") + 1);
    EXPECT_EQ(w.cell(2, "TIME_OFF"), "09:30");
    // Its dates and times are not ADIF values yet: nothing moves, and the message says so.
    w.actions().fixTime->trigger();
    EXPECT_EQ(w.messages().last(), "3 QSOs were left unchanged: the date or time is not a valid ADIF value.");
    EXPECT_EQ(w.cell(2, "TIME_ON"), "09:30");
}

TEST(StructureCommands, FillColumnThroughItsDialog)
{
    Window w;
    w.open();
    const int call = w.table().findColumn("CALL");
    w.selectCell(2, call);
    w.onDialog = [](QDialog &dialog) {
        auto *edit = dialog.findChild<QLineEdit *>();
        edit->setText(QStringLiteral("X1X"));
        return int(QDialog::Accepted);
    };
    std::unique_ptr<QMenu> menu(
        w.window->gridMenus().cellMenu(w.window->model().index(1, call - 1), nullptr));
    for (QAction *action : menu->actions()) {
        if (action->text() == "Fill Column")
            action->trigger();
    }
    EXPECT_EQ(w.cell(1, "CALL"), "X1X");
    EXPECT_EQ(w.cell(3, "CALL"), "X1X");
    EXPECT_TRUE(w.dialogs.contains("Fill Column"));
}

} // namespace quillog::ui
