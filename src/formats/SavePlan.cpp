// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SavePlan.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

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

FieldRole fieldRole(std::string_view name)
{
    static constexpr std::pair<std::string_view, FieldRole> named[] = { { "CALL", FieldRole::Call },
        { "QSO_DATE", FieldRole::QsoDate }, { "MODE", FieldRole::Mode }, { "TIME_ON", FieldRole::TimeOn },
        { "TIME_OFF", FieldRole::TimeOff }, { "BAND", FieldRole::Band }, { "FREQ", FieldRole::Freq } };
    for (const auto &[known, role] : named) {
        if (name == known)
            return role;
    }
    if (name.starts_with("FREQ") || name.starts_with("BAND"))
        return FieldRole::OtherFrequencyOrBand;
    return FieldRole::Other;
}

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
        const FieldRole role = fieldRole(name);
        plan.hasTimeOn |= role == FieldRole::TimeOn;
        plan.hasTimeOff |= role == FieldRole::TimeOff;
        plan.hasBand |= role == FieldRole::Band;
        plan.hasFreq |= role == FieldRole::Freq;
        char type = 0;
        if (options.typeIndicator) {
            if (const auto found = typeMap.find(name); found != typeMap.end())
                type = found->second;
        }
        plan.columns.push_back({ std::move(name), column, type, role });
    }
    plan.rows = rowsToSave(table, options.selectionOnly);
    return plan;
}

} // namespace quillog
