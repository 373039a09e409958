// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StatisticsChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace quillog::ui
{

namespace
{

// Colours that stay apart on screen and in print: CW blue, phone orange, digital green, other grey.
constexpr std::array<QRgb, kModeClassCount> classColours = { 0x1f77b4, 0xff7f0e, 0x2ca02c, 0x9a9a9a };

// Past eight bands the names no longer fit side by side; they stand upright instead.
constexpr qsizetype kUprightLabelsFrom = 9;

QStackedBarSeries *modeClassSeries(const std::vector<BandFigures> &rows)
{
    auto *series = new QStackedBarSeries;
    for (int index = 0; index < kModeClassCount; ++index) {
        const auto cls = std::size_t(index);
        const bool used = std::any_of(
            rows.begin(), rows.end(), [cls](const BandFigures &row) { return row.byModeClass[cls] > 0; });
        if (!used)
            continue;
        const std::string_view name = modeClassName(ModeClass(index));
        auto *set = new QBarSet(QString::fromLatin1(name.data(), qsizetype(name.size())));
        set->setColor(QColor::fromRgb(classColours[cls]));
        set->setBorderColor(QColor::fromRgb(classColours[cls]));
        for (const BandFigures &row : rows)
            set->append(row.byModeClass[cls]);
        series->append(set);
    }
    series->setBarWidth(0.8);
    return series;
}

// A step between the count axis's lines of 1, 2 or 5 times a power of ten, so that at most six steps
// reach the highest count: QSO counts are whole numbers and so are the labels.
long long countStep(int highest)
{
    for (long long power = 1;; power *= 10) {
        for (const long long factor : { 1, 2, 5 }) {
            if (highest <= 6 * factor * power)
                return factor * power;
        }
    }
}

QValueAxis *countAxis(const std::vector<BandFigures> &rows)
{
    int highest = 1;
    for (const BandFigures &row : rows)
        highest = std::max(highest, row.qsos);
    const long long step = countStep(highest);
    const long long top = (highest + step - 1) / step * step;
    auto *counts = new QValueAxis;
    counts->setRange(0, double(top));
    counts->setTickType(QValueAxis::TicksDynamic);
    counts->setTickAnchor(0);
    counts->setTickInterval(double(step));
    counts->setLabelFormat(QStringLiteral("%.0f"));
    counts->setTitleText(QStringLiteral("QSOs"));
    return counts;
}

} // namespace

QChart *bandChart(const std::vector<BandFigures> &rows)
{
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("QSOs per band"));
    chart->setAnimationOptions(QChart::NoAnimation);
    QStackedBarSeries *series = modeClassSeries(rows);
    chart->addSeries(series);

    auto *bands = new QBarCategoryAxis;
    for (const BandFigures &row : rows)
        bands->append(QString::fromLatin1(row.band.data(), qsizetype(row.band.size())));
    if (bands->count() >= kUprightLabelsFrom)
        bands->setLabelsAngle(-90);
    chart->addAxis(bands, Qt::AlignBottom);
    series->attachAxis(bands);

    QValueAxis *counts = countAxis(rows);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(counts);

    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

} // namespace quillog::ui
