// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TimeFixes.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "core/UndoJournal.h"
#include "tools/ColumnLookup.h"
#include "tools/TimeShift.h"
#include "tools/UndoSteps.h"

#include <algorithm>
#include <string>

namespace quillog
{

namespace
{

std::string notFound(std::string_view name)
{
    return "The " + std::string(name) + " column is not found.";
}

std::string overwriteQuestion(std::string_view name)
{
    return "The " + std::string(name) + " columns already exists.\nAre you sure you want to overwrite it?";
}

// The minute of the day of an HHMM... time; nothing when the first four characters are no such time.
std::optional<int> minuteOfDay(std::string_view time)
{
    if (time.size() < 4 || !std::all_of(time.begin(), time.begin() + 4, isDigit))
        return std::nullopt;
    const int hour = static_cast<int>(leadingInteger(time.substr(0, 2)));
    const int minute = static_cast<int>(leadingInteger(time.substr(2, 2)));
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

} // namespace

ToolResult copyTimeColumn(LogTable &table, UndoJournal &journal, bool intoTimeOn, const Confirm &confirm)
{
    const std::string_view targetName = intoTimeOn ? "TIME_ON" : "TIME_OFF";
    const std::string_view sourceName = intoTimeOn ? "TIME_OFF" : "TIME_ON";
    int source = lastColumnNamed(table, sourceName);
    if (source < 0)
        return ToolResult::warning(notFound(sourceName));
    ToolResult result;
    int target = lastColumnNamed(table, targetName);
    if (target < 0) {
        target = table.insertColumn("", source + 1);
        if (target < 0)
            return result;
        recordColumnInserted(journal, target, result);
        recordHeaderChange(journal, target, result);
        table.setText(0, target, targetName);
    } else if (!confirm(overwriteQuestion(targetName))) {
        return result;
    }
    recordColumnSnapshot(journal, target, result);
    for (int row = 1; row < table.rowCount(); ++row) {
        const std::string time(trimmed(table.text(row, source)));
        if (time.size() > 3 && time != table.text(row, target)) {
            table.setText(row, target, time);
            ++result.cellsChanged;
        }
    }
    return result;
}

ToolResult sortByDateAndTime(LogTable &table, UndoJournal &journal)
{
    const int date = lastColumnNamed(table, "QSO_DATE");
    if (date < 0)
        return ToolResult::warning(std::string(kNoQsoDateColumnMessage));
    int time = lastColumnNamed(table, "TIME_ON");
    if (time < 0)
        time = lastColumnNamed(table, "TIME_OFF");
    if (time < 0)
        return ToolResult::warning(std::string(kNoTimeColumnsMessage));
    ToolResult result;
    if (table.qsoCount() == 0)
        return result;
    // The minute of the day rides on the date cell; a row without a readable time keeps what an
    // earlier run gave it (midnight at first).
    for (int row = 1; row < table.rowCount(); ++row) {
        if (const auto minute = minuteOfDay(trimmed(table.text(row, time))))
            table.setItemData(row, date, *minute);
    }
    const int previousColumn = table.lastSortColumn();
    const bool previousAscending = table.lastSortAscending();
    std::vector<int> order = table.sortChronologically(date, previousAscending);
    table.setLastSort(date, !previousAscending);
    journal.addSortRecord(std::move(order), previousColumn, previousAscending);
    ++result.undoRecords;
    result.rowsChanged = true;
    return result;
}

} // namespace quillog
