// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SavePlan.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <algorithm>
#include <unordered_set>

namespace quillog
{

namespace
{

std::vector<int> rowsToSave(const LogTable &table, bool selectionOnly)
{
    std::vector<int> rows;
    const CellRange selection = table.selection();
    if (selectionOnly && selection.isValid()) {
        for (int row = std::max(selection.firstRow, 1); row <= selection.lastRow && row < table.rowCount();
             ++row) {
            if (table.rowHasSelectedCell(row, selection.firstColumn, selection.lastColumn))
                rows.push_back(row);
        }
        return rows;
    }
    for (int row = 1; row < table.rowCount(); ++row)
        rows.push_back(row);
    return rows;
}

} // namespace

SavePlan makeSavePlan(const LogTable &table, const SaveOptions &options, const TypeMap &typeMap)
{
    SavePlan plan;
    // A set, not a list: a log may have tens of thousands of columns.
    std::unordered_set<std::string> taken;
    for (int column = 0; column < table.columnCount(); ++column) {
        std::string name = toUpper(trimmed(table.text(0, column)));
        if (name.empty() || !taken.insert(name).second)
            continue;
        // The fixed columns take their names but are never written.
        if (column < table.fixedColumnCount())
            continue;
        plan.hasTimeOn |= name == "TIME_ON";
        plan.hasTimeOff |= name == "TIME_OFF";
        plan.hasBand |= name == "BAND";
        plan.hasFreq |= name == "FREQ";
        char type = 0;
        if (options.typeIndicator) {
            if (const auto found = typeMap.find(name); found != typeMap.end())
                type = found->second;
        }
        plan.columns.push_back({ std::move(name), column, type });
    }
    plan.rows = rowsToSave(table, options.selectionOnly);
    return plan;
}

} // namespace quillog
