// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/Statistics.h"

#include <QDialog>

class QChartView;
class QTableWidget;

namespace quillog::ui
{

/// "Statistics": the QSO and callsign counts, the grid of bands (BAND, QSOs, DXCC) and beside it the
/// bar chart of QSOs per band, which "Save Chart..." writes as a PNG file.
class StatisticsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit StatisticsDialog(const LogStatistics &statistics, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }
    QChartView *chartView() const { return m_chartView; }
    /// Writes the chart as it is shown into a PNG file, safely; false when the file cannot be written.
    bool saveChart(const QString &path) const;

private:
    void fillGrid(const std::vector<BandFigures> &rows);
    void chooseChartFile();

    QTableWidget *m_grid = nullptr;
    QChartView *m_chartView = nullptr;
};

} // namespace quillog::ui
