// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/StructureSteps.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "core/UndoJournal.h"
#include "tools/ColumnMerge.h"
#include "tools/ColumnStructure.h"
#include "tools/ColumnText.h"
#include "tools/DuplicateColumn.h"
#include "tools/RemoveCharacters.h"
#include "tools/StepRegistry.h"
#include "tools/TimeFixes.h"
#include "tools/TimeShift.h"

#include <algorithm>

namespace quillog
{

namespace
{

using ColumnTool = ToolResult (*)(LogTable &, UndoJournal &, int);

// A step on the column its first word names; a name the log lacks is the step's failure.
StepFunction onColumn(std::function<ToolResult(StepContext &, const StepArguments &, int)> tool)
{
    return [tool = std::move(tool)](StepContext &context, const StepArguments &arguments) {
        const int column = arguments.column(0);
        if (column < context.table.fixedColumnCount())
            return ToolResult::warning("Cannot find the column '" + arguments[0] + "'.");
        return tool(context, arguments, column);
    };
}

StepFunction onColumn(ColumnTool tool)
{
    return onColumn([tool](StepContext &c, const StepArguments &, int column) {
        return tool(c.table, c.journal, column);
    });
}

StepFunction removing(CharacterClass characters)
{
    return onColumn([characters](StepContext &c, const StepArguments &, int column) {
        return removeCharacters(c.table, c.journal, column, characters);
    });
}

ToolResult fill(StepContext &context, const StepArguments &arguments, int column)
{
    if (arguments.size() > 2 && arguments[2] != "empty-only")
        return ToolResult::warning("unknown fill option '" + arguments[2] + "'");
    return fillColumn(context.table, context.journal, { column, arguments[1], arguments.size() > 2 });
}

ToolResult split(StepContext &context, const StepArguments &arguments, int column)
{
    if (arguments.size() > 1 && arguments[1].size() != 1)
        return ToolResult::warning("the separator is one character, not '" + arguments[1] + "'");
    return splitColumn(context.table, context.journal, column, arguments.size() > 1 ? arguments[1][0] : ' ');
}

ToolResult timeShift(StepContext &context, const StepArguments &arguments)
{
    const std::string &minutes = arguments[0];
    const std::string_view digits
        = std::string_view(minutes).substr(minutes[0] == '-' || minutes[0] == '+' ? 1 : 0);
    if (digits.empty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), isDigit))
        return ToolResult::warning("the shift is a number of minutes, not '" + minutes + "'");
    TimeShiftRequest request;
    request.seconds = leadingInteger(minutes) * 60;
    return shiftTimes(context.table, context.journal, request);
}

ToolResult sort(StepContext &context, const StepArguments &arguments, int column)
{
    if (arguments.size() > 1 && arguments[1] != "desc")
        return ToolResult::warning("unknown sort direction '" + arguments[1] + "'");
    LogTable &table = context.table;
    ToolResult result;
    if (table.qsoCount() == 0)
        return result;
    const int previousColumn = table.lastSortColumn();
    const bool previousAscending = table.lastSortAscending();
    const bool ascending = arguments.size() == 1;
    table.setLastSort(column, ascending); // the direction asked for, whichever column was sorted last
    context.journal.addSortRecord(table.sortByColumn(column, ascending), previousColumn, previousAscending);
    result.undoRecords = 1;
    result.rowsChanged = true;
    return result;
}

bool yes(std::string_view)
{
    return true;
}

} // namespace

void addTextAndStructureSteps(StepRegistry &registry)
{
    registry.add({ "trim", "COLUMN", 1, 1, onColumn(trimColumn) });
    registry.add({ "upper-call", "", 0, 0,
        [](StepContext &c, const StepArguments &) { return changeCallCase(c.table, c.journal, true); } });
    registry.add({ "lower-call", "", 0, 0,
        [](StepContext &c, const StepArguments &) { return changeCallCase(c.table, c.journal, false); } });
    registry.add({ "remove-alpha", "COLUMN", 1, 1, removing(CharacterClass::Letters) });
    registry.add({ "remove-numeric", "COLUMN", 1, 1, removing(CharacterClass::Digits) });
    registry.add({ "remove-symbols", "COLUMN", 1, 1, removing(CharacterClass::Symbols) });
    registry.add({ "remove-left-char", "COLUMN", 1, 1, onColumn(removeLeftCharacter) });
    registry.add({ "remove-right-char", "COLUMN", 1, 1, onColumn(removeRightCharacter) });
    registry.add({ "fill", "COLUMN TEXT [empty-only]", 2, 3, onColumn(fill) });
    registry.add({ "add-serial", "COLUMN", 1, 1, onColumn(addSerialNumbers) });
    registry.add({ "split-column", "COLUMN [SEPARATOR]", 1, 2, onColumn(split) });
    registry.add({ "insert-column", "COLUMN NAME", 2, 2,
        onColumn([](StepContext &c, const StepArguments &a, int column) {
            if (!isWritableFieldName(a[1]))
                return ToolResult::warning(std::string(kBadFieldNameMessage));
            return insertColumnAfter(c.table, c.journal, column, a[1]);
        }) });
    registry.add({ "delete-column", "COLUMN", 1, 1, onColumn(deleteColumn) });
    registry.add({ "duplicate-column", "COLUMN", 1, 1, onColumn(duplicateColumn) });
    registry.add(
        { "rename", "COLUMN NAME", 2, 2, onColumn([](StepContext &c, const StepArguments &a, int column) {
             return renameColumn(c.table, c.journal, column, a[1]);
         }) });
    registry.add({ "time-shift", "MINUTES", 1, 1, timeShift });
    registry.add({ "set-time-on-from-off", "", 0, 0, [](StepContext &c, const StepArguments &) {
                      return copyTimeColumn(c.table, c.journal, true, yes);
                  } });
    registry.add({ "set-time-off-from-on", "", 0, 0, [](StepContext &c, const StepArguments &) {
                      return copyTimeColumn(c.table, c.journal, false, yes);
                  } });
    registry.add({ "sort-chrono", "", 0, 0,
        [](StepContext &c, const StepArguments &) { return sortByDateAndTime(c.table, c.journal); } });
    registry.add({ "sort", "COLUMN [desc]", 1, 2, onColumn(sort) });
}

} // namespace quillog
