// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ColumnSort.h"

#include "core/LogTable.h"
#include "core/UndoJournal.h"

#include <utility>

namespace quillog
{

bool sortByHeaderClick(LogTable &table, UndoJournal &journal, int column)
{
    if (table.qsoCount() == 0)
        return false;
    const int previousColumn = table.lastSortColumn();
    const bool previousAscending = table.lastSortAscending();
    // A second click on the column just sorted ascending turns the order round; any other click ascends.
    const bool ascending = !(previousColumn == column && previousAscending);
    std::vector<int> order = table.sortByColumn(column, ascending);
    journal.addSortRecord(std::move(order), previousColumn, previousAscending);
    return true;
}

} // namespace quillog
