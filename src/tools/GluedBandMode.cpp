// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/GluedBandMode.h"

#include "core/LogTable.h"
#include "tools/DuplicateColumn.h"
#include "tools/RemoveCharacters.h"

#include <string_view>

namespace quillog
{

bool hasGluedBandMode(const LogTable &table)
{
    const std::string_view first = table.text(1, table.fixedColumnCount());
    for (const std::string_view mode : { "CW", "SSB", "RTTY", "AM", "FM" }) {
        if (first.find(mode) != std::string_view::npos && first.size() > mode.size())
            return true;
    }
    return false;
}

ToolResult splitGluedBandMode(LogTable &table, UndoJournal &journal)
{
    if (table.rowCount() < 2 || !hasGluedBandMode(table))
        return {};
    const int band = table.fixedColumnCount();
    ToolResult result = duplicateColumn(table, journal, band);
    if (result.insertedColumns.empty())
        return result;
    const ToolResult letters = removeCharacters(table, journal, band, CharacterClass::Letters);
    const ToolResult digits = removeCharacters(table, journal, band + 1, CharacterClass::Digits);
    result.cellsChanged += letters.cellsChanged + digits.cellsChanged;
    result.undoRecords += letters.undoRecords + digits.undoRecords;
    result.columnsToFit = { band, band + 1 };
    return result;
}

} // namespace quillog
