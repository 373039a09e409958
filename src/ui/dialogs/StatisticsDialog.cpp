// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/StatisticsDialog.h"

#include "ui/StatisticsChart.h"

#include <QChartView>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quillog::ui
{

namespace
{

QTableWidgetItem *readOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

StatisticsDialog::StatisticsDialog(const LogStatistics &statistics, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Statistics"));
    const std::vector<BandFigures> rows = statisticsGrid(statistics);

    auto *figures = new QVBoxLayout;
    figures->addWidget(new QLabel(QStringLiteral("QSOs: %1").arg(statistics.qsos), this));
    figures->addWidget(new QLabel(QStringLiteral("Unique Callsigns: %1").arg(statistics.uniqueCalls), this));
    m_grid = new QTableWidget(this);
    fillGrid(rows);
    figures->addWidget(m_grid);

    m_chartView = new QChartView(bandChart(bandsByFrequency(rows)), this);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    // Room for every bar and its name, from a small window for a few bands to a wide one for forty.
    const int bands = int(rows.size());
    m_chartView->setMinimumSize(std::clamp(48 * bands + 160, 560, 1400), 420);

    auto *content = new QHBoxLayout;
    content->addLayout(figures);
    content->addWidget(m_chartView, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *save = buttons->addButton(QStringLiteral("Save Chart..."), QDialogButtonBox::ActionRole);
    connect(save, &QPushButton::clicked, this, &StatisticsDialog::chooseChartFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(content, 1);
    layout->addWidget(buttons);
}

void StatisticsDialog::fillGrid(const std::vector<BandFigures> &rows)
{
    m_grid->setColumnCount(3);
    m_grid->setRowCount(int(rows.size()));
    m_grid->setHorizontalHeaderLabels(
        { QStringLiteral("BAND"), QStringLiteral("QSOs"), QStringLiteral("DXCC") });
    m_grid->verticalHeader()->setVisible(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < int(rows.size()); ++row) {
        const BandFigures &figures = rows[std::size_t(row)];
        m_grid->setItem(
            row, 0, readOnlyItem(QString::fromLatin1(figures.band.data(), qsizetype(figures.band.size()))));
        m_grid->setItem(row, 1, readOnlyItem(QString::number(figures.qsos)));
        m_grid->setItem(
            row, 2, readOnlyItem(figures.entities > 0 ? QString::number(figures.entities) : QString()));
    }
    m_grid->resizeColumnsToContents();
    const int width = m_grid->horizontalHeader()->length() + m_grid->frameWidth() * 2 + 20;
    m_grid->setMinimumWidth(width);
    m_grid->setMaximumWidth(width + 40);
}

bool StatisticsDialog::saveChart(const QString &path) const
{
    const QPixmap picture = m_chartView->grab();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && picture.save(&file, "PNG") && file.commit();
}

void StatisticsDialog::chooseChartFile()
{
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Chart"),
        QStringLiteral("statistics.png"), QStringLiteral("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        path += QStringLiteral(".png");
    if (!saveChart(path))
        QMessageBox::warning(this, QStringLiteral("Quillog"),
            QStringLiteral("Quillog cannot write the chart to %1.").arg(path));
}

} // namespace quillog::ui
