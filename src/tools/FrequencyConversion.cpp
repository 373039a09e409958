// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/FrequencyConversion.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "formats/RecordNormalisation.h"
#include "tools/ColumnLookup.h"
#include "tools/UndoSteps.h"

#include <cmath>
#include <limits>

namespace quillog
{

namespace
{

constexpr std::array<double, 4> factors { 0.001, 0.000001, 1000.0, 1.0 };

} // namespace

const std::array<std::string_view, 4> &frequencyUnitLabels()
{
    static constexpr std::array<std::string_view, 4> labels { "kHz to MHz, ie 14000 -->14,000",
        "Hz to MHz, ie 14000000 -->14,000", "GHz to MHz, ie 1,2-->1200,000",
        "Just check and repair if needed" };
    return labels;
}

std::optional<std::string> megahertzFrom(std::string_view cell, FrequencyUnit unit, bool commaPoint)
{
    std::string text(trimmed(cell));
    if (const std::size_t comma = text.find(','); comma != std::string::npos)
        text[comma] = '.';
    const double value = leadingNumber(text);
    // A number beyond a double's range reads as the largest double; it is no frequency either.
    if (!(value > 0.0) || value >= std::numeric_limits<double>::max())
        return std::nullopt;
    const double megahertz = value * factors[static_cast<std::size_t>(unit)];
    if (!std::isfinite(megahertz) || !(megahertz > 0.0))
        return std::nullopt;
    return formatMegahertz(megahertz, commaPoint);
}

ToolResult convertFrequencyColumn(
    LogTable &table, UndoJournal &journal, int column, FrequencyUnit unit, bool commaPoint)
{
    if (!isFieldColumn(table, column))
        return ToolResult::warning(std::string(kNoFrequencyColumnMessage));
    ToolResult result;
    recordColumnSnapshot(journal, column, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        if (const auto frequency = megahertzFrom(table.text(row, column), unit, commaPoint)) {
            table.setText(row, column, *frequency);
            ++result.cellsChanged;
        }
    }
    return result;
}

} // namespace quillog
