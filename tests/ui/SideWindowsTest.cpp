// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFixture.h"
#include "document/Document.h"
#include "settings/MemoryKeyValueStore.h"
#include "side/Statistics.h"
#include "ui/MainWindow.h"
#include "ui/SideCommands.h"
#include "ui/StatisticsChart.h"
#include "ui/dialogs/EqslFiltersDialog.h"
#include "ui/dialogs/EqslWindow.h"
#include "ui/dialogs/StatisticsDialog.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <memory>

namespace quillog::ui
{

namespace
{

const QString inboxPath = QStringLiteral(QUILLOG_TEST_DATA "/adi/eqsl_inbox_swl.adi");

struct Window : test::StartedWindow {
    // Writes the ADI text as a log in the window's folder and opens it.
    void openLog(const QByteArray &adi) const
    {
        const QString path = dataFolder.filePath(QStringLiteral("log.adi"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(adi);
        file.close();
        window->openPath(path);
    }
};

BandFigures figures(const char *band, int qsos, std::array<int, kModeClassCount> byClass)
{
    return { band, qsos, 0, byClass };
}

QStringList gridColumn(const QTableWidget &grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid.rowCount(); ++row)
        texts.append(grid.item(row, column) ? grid.item(row, column)->text() : QString());
    return texts;
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions())
        texts.append(action->text() + (action->isEnabled() ? "" : " (disabled)"));
    delete menu;
    return texts;
}

} // namespace

TEST(BandChart, StacksTheUsedModeClassesPerBandInFrequencyOrder)
{
    const std::vector<BandFigures> rows = { figures("160M", 3, { 2, 1, 0, 0 }),
        figures("20M", 5, { 1, 0, 4, 0 }), figures("2M", 1, { 0, 1, 0, 0 }) };
    std::unique_ptr<QChart> chart(bandChart(rows));
    ASSERT_EQ(chart->series().size(), 1);
    auto *series = qobject_cast<QStackedBarSeries *>(chart->series().constFirst());
    ASSERT_NE(series, nullptr);
    QStringList names;
    QList<QList<qreal>> values;
    for (QBarSet *set : series->barSets()) {
        names.append(set->label());
        QList<qreal> counts;
        for (int i = 0; i < set->count(); ++i)
            counts.append(set->at(i));
        values.append(counts);
    }
    EXPECT_EQ(names, (QStringList { "CW", "Phone", "Digital" })); // no QSO without a mode: no Other
    EXPECT_EQ(values, (QList<QList<qreal>> { { 2, 1, 0 }, { 1, 0, 1 }, { 0, 4, 0 } }));
    auto *bands = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).constFirst());
    ASSERT_NE(bands, nullptr);
    EXPECT_EQ(bands->categories(), (QStringList { "160M", "20M", "2M" }));
    EXPECT_EQ(bands->labelsAngle(), 0);
}

// QSO counts are whole numbers: the count axis has whole steps, 0 to a multiple of the step.
TEST(BandChart, CountAxisHasWholeStepsUpToTheHighestBar)
{
    struct Case {
        int highest;
        qreal top, step;
    };
    for (const Case &c : { Case { 0, 1, 1 }, { 2, 2, 1 }, { 6, 6, 1 }, { 7, 8, 2 }, { 31, 40, 10 },
             { 280593, 300000, 50000 }, { 1000000, 1000000, 200000 } }) {
        std::unique_ptr<QChart> chart(bandChart({ figures("20M", c.highest, { c.highest, 0, 0, 0 }) }));
        auto *counts = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).constFirst());
        ASSERT_NE(counts, nullptr);
        EXPECT_EQ(counts->min(), 0) << c.highest;
        EXPECT_EQ(counts->max(), c.top) << c.highest;
        EXPECT_EQ(counts->tickType(), QValueAxis::TicksDynamic) << c.highest;
        EXPECT_EQ(counts->tickInterval(), c.step) << c.highest;
    }
}

TEST(BandChart, NamesOfManyBandsStandUpright)
{
    std::vector<BandFigures> rows;
    for (int band = 0; band < 40; ++band)
        rows.push_back(figures(
            std::to_string(1000 - band).append("M").c_str(), 1000000 / 40, { 0, 0, 1000000 / 40, 0 }));
    std::unique_ptr<QChart> chart(bandChart(rows));
    auto *bands = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).constFirst());
    EXPECT_EQ(bands->count(), 40);
    EXPECT_EQ(bands->labelsAngle(), -90);
}

TEST(StatisticsCommand, ShowsTheFiguresTheGridAndAChartThatSavesAsPng)
{
    Window window;
    window.openLog("<EOH><CALL:3>A1A<BAND:3>20m<MODE:2>CW<DXCC:3>291<EOR><CALL:3>B1B<BAND:3>20M<MODE:3>FT8<"
                   "DXCC:3>230<EOR>"
                   "<CALL:3>a1a<BAND:4>160M<MODE:3>SSB<EOR><CALL:3>C1C<FREQ:5>7.030<MODE:2>CW<EOR>");
    SideCommands &side = window.window->sideCommands();
    EXPECT_TRUE(side.statisticsAction()->isEnabled());
    EXPECT_EQ(side.statisticsAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    QStringList labels, bands, qsos, dxcc;
    bool saved = false;
    QImage picture;
    QObject::connect(&side, &SideCommands::dialogOpening, [&](QWidget *widget) {
        auto *dialog = qobject_cast<StatisticsDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        for (QLabel *label : dialog->findChildren<QLabel *>())
            labels.append(label->text());
        bands = gridColumn(*dialog->grid(), 0);
        qsos = gridColumn(*dialog->grid(), 1);
        dxcc = gridColumn(*dialog->grid(), 2);
        const QString png = window.dataFolder.filePath(QStringLiteral("chart.png"));
        saved = dialog->saveChart(png);
        picture.load(png);
        QTimer::singleShot(0, dialog, &QDialog::accept);
    });
    side.statistics();
    EXPECT_TRUE(labels.contains("QSOs: 4"));
    EXPECT_TRUE(labels.contains("Unique Callsigns: 3"));
    EXPECT_EQ(bands, (QStringList { "160M", "20M", "40M" }));
    EXPECT_EQ(qsos, (QStringList { "1", "2", "1" }));
    EXPECT_EQ(dxcc, (QStringList { "", "2", "" }));
    EXPECT_TRUE(saved);
    EXPECT_GE(picture.width(), 400);
    EXPECT_FALSE(window.window->document().isBusy());
}

TEST(StatisticsCommand, WarnsWhenTheLogLacksItsColumns)
{
    Window window;
    window.openLog("<EOH><CALL:3>A1A<BAND:3>20M<FREQ:6>14.074<EOR>");
    bool shown = false;
    QObject::connect(&window.window->sideCommands(), &SideCommands::dialogOpening, [&] { shown = true; });
    window.window->sideCommands().statistics();
    EXPECT_FALSE(shown);
    EXPECT_EQ(window.answerer.texts, (QStringList { "Not enough data for calculation." }));
}

TEST(EqslFiltersDialog, StartsWithNewEqslsAndTodayAndCollectsTheChoices)
{
    EqslFiltersDialog dialog(nullptr, QDate(2024, 3, 15));
    EqslFilter filter = dialog.filter();
    EXPECT_TRUE(filter.newEqsls);
    EXPECT_FALSE(filter.alreadyReceived || filter.notInLog || filter.swl || filter.useDateFilter);
    EXPECT_EQ(filter.fromDate, 20240315);
    EXPECT_FALSE(dialog.from()->isEnabled());
    dialog.newEqsls()->setChecked(false);
    dialog.swl()->setChecked(true);
    dialog.useDateFilter()->setChecked(true);
    EXPECT_TRUE(dialog.from()->isEnabled());
    dialog.from()->setDate(QDate(2024, 3, 1));
    dialog.to()->setDate(QDate(2024, 3, 31));
    filter = dialog.filter();
    EXPECT_FALSE(filter.newEqsls);
    EXPECT_TRUE(filter.swl && filter.useDateFilter);
    EXPECT_EQ(filter.fromDate, 20240301);
    EXPECT_EQ(filter.toDate, 20240331);
}

TEST(EqslWindow, ListsTheChosenRecordsAndSavesThem)
{
    Window window;
    window.openLog("<EOH><CALL:5>3A2MW<QSO_DATE:8>20221121<TIME_ON:4>1345<BAND:3>20M<MODE:3>FT8<EOR>"
                   "<CALL:5>RV3LE<QSO_DATE:8>20221121<TIME_ON:4>1406<BAND:3>20M<MODE:3>FT8<EOR>");
    EqslWindow eqsl(window.window->document(), window.window->host());
    EXPECT_FALSE(eqsl.saveButton()->isEnabled());
    EqslFilter filter;
    eqsl.compare(inboxPath.toStdString(), filter);
    EXPECT_EQ(eqsl.countLabel()->text(), "QSOs: 2");
    EXPECT_EQ(eqsl.grid()->rowCount(), 2);
    EXPECT_EQ(eqsl.grid()->horizontalHeaderItem(0)->text(), "CALL");
    EXPECT_EQ(gridColumn(*eqsl.grid(), 0), (QStringList { "3A2MW", "RV3LE" }));
    EXPECT_TRUE(eqsl.saveButton()->isEnabled());

    eqsl.grid()->selectRow(0);
    int shownRow = 0;
    QObject::connect(&eqsl, &EqslWindow::showInMainWindow, [&](int row) { shownRow = row; });
    QMenu *one = eqsl.cellMenu(nullptr);
    one->actions().at(2)->trigger();
    EXPECT_EQ(shownRow, 1);
    EXPECT_EQ(menuTexts(one),
        (QStringList { "Copy Selected Row as CSV", "Copy Selected Row as ADIF", "Find in the Main Window" }));
    eqsl.grid()->selectAll();
    QMenu *both = eqsl.cellMenu(nullptr);
    both->actions().at(1)->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("<CALL:5>RV3LE"));
    EXPECT_EQ(menuTexts(both), (QStringList { "Copy Selected Rows as CSV", "Copy Selected Rows as ADIF" }));

    const QString out = window.dataFolder.filePath(QStringLiteral("filtered.adi"));
    EXPECT_TRUE(eqsl.save(out.toStdString()));
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray text = written.readAll();
    EXPECT_EQ(text.count("<EOR>"), 2);
    EXPECT_TRUE(text.contains("<PROGRAMID:21>eQSL.cc DownloadInBox"));
    EXPECT_TRUE(window.answerer.texts.isEmpty()) << window.answerer.texts.join('|').toStdString();

    filter.newEqsls = false;
    filter.alreadyReceived = true;
    eqsl.compare(inboxPath.toStdString(), filter);
    EXPECT_EQ(eqsl.countLabel()->text(), "QSOs: 0");
    EXPECT_FALSE(eqsl.saveButton()->isEnabled());
    EXPECT_EQ(window.answerer.texts, (QStringList { "No eQSL records found." }));
}

TEST(SideCommands, SitInTheToolsMenuAndNeedAnOpenLog)
{
    Window window;
    SideCommands &side = window.window->sideCommands();
    EXPECT_FALSE(side.statisticsAction()->isEnabled());
    EXPECT_FALSE(side.eqslFilterAction()->isEnabled());
    QMenu *tools = toolsMenu(*window.window);
    EXPECT_TRUE(tools->actions().contains(side.statisticsAction()));
    EXPECT_TRUE(tools->actions().contains(side.eqslFilterAction()));
    EXPECT_EQ(side.statisticsAction()->text(), "Stat&istics...");
    EXPECT_EQ(side.eqslFilterAction()->text(), "eQSL Log Filter...");
}

} // namespace quillog::ui
