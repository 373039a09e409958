// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/BandAndFrequency.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "core/UndoJournal.h"
#include "definitions/BandPlan.h"
#include "tools/BandOfFrequency.h"
#include "tools/ColumnLookup.h"
#include "tools/FrequencyConversion.h"
#include "tools/UndoSteps.h"

#include <string>

namespace quillog
{

namespace
{

// The column a tool fills: the existing one when the operator agrees to add to it, else a new column
// right after the source. Records the insertion and a snapshot, then names the column. -1 when the
// operator declined.
int prepareTarget(LogTable &table, UndoJournal &journal, int target, int source, std::string_view name,
    std::string_view question, const Confirm &confirm, ToolResult &result)
{
    if (target >= 0) {
        if (!confirm || !confirm(question))
            return -1;
    } else {
        target = table.insertColumn("", source + 1);
        if (target < 0)
            return -1;
        recordColumnInserted(journal, target, result);
    }
    recordColumnSnapshot(journal, target, result);
    table.setText(0, target, name);
    result.columnsToFit.push_back(target);
    return target;
}

// Writes a value only into a cell that holds nothing at all.
void fillEmptyCell(LogTable &table, int row, int column, std::string_view value, ToolResult &result)
{
    if (!table.text(row, column).empty() || value.empty())
        return;
    table.setText(row, column, value);
    ++result.cellsChanged;
}

} // namespace

ToolResult makeBandFromFrequency(LogTable &table, UndoJournal &journal, const Confirm &confirm)
{
    const int frequencyColumn = lastColumnNamed(table, "FREQ");
    if (frequencyColumn < 0)
        return ToolResult::warning(std::string(kNoFrequencyColumnMessage));
    ToolResult result;
    const int bandColumn = prepareTarget(table, journal, lastColumnNamed(table, "BAND"), frequencyColumn,
        "BAND", kBandColumnExistsQuestion, confirm, result);
    if (bandColumn < 0)
        return result;
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string_view frequency = trimmed(table.text(row, frequencyColumn));
        if (!frequency.empty())
            fillEmptyCell(table, row, bandColumn, bandOfFrequency(frequency), result);
    }
    return result;
}

ToolResult makeFrequencyFromBand(
    LogTable &table, UndoJournal &journal, const BandPlan &plan, const Confirm &confirm)
{
    const int bandColumn = lastColumnNamed(table, "BAND");
    if (bandColumn < 0)
        return ToolResult::warning(std::string(kNoBandColumnMessage));
    ToolResult result;
    const int frequencyColumn = prepareTarget(table, journal, lastColumnNamed(table, "FREQ"), bandColumn,
        "FREQ", kFrequencyColumnExistsQuestion, confirm, result);
    if (frequencyColumn < 0)
        return result;
    // Found after the insertion, which may have moved it one place to the right.
    const int modeColumn = lastColumnNamed(table, "MODE");
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string band = toUpper(trimmed(table.text(row, bandColumn)));
        if (band.empty())
            continue;
        const std::string_view mode
            = modeColumn < 0 ? std::string_view() : trimmed(table.text(row, modeColumn));
        fillEmptyCell(table, row, frequencyColumn, frequencyForBand(plan, band, mode), result);
    }
    return result;
}

} // namespace quillog
