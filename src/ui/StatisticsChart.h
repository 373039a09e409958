// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/Statistics.h"

#include <vector>

class QChart;

namespace quillog::ui
{

/// A bar chart of QSOs per band, the bands from low to high frequency, each bar stacked by mode class
/// (CW, Phone, Digital, and Other where QSOs have no mode). Only classes that occur get a series.
/// The caller owns the chart.
QChart *bandChart(const std::vector<BandFigures> &rows);

} // namespace quillog::ui
