// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ToolSteps.h"

#include "core/UndoJournal.h"
#include "tools/BandAndFrequency.h"
#include "tools/DateConversion.h"
#include "tools/DeprecatedModes.h"
#include "tools/FrequencyConversion.h"
#include "tools/ModeConversion.h"
#include "tools/Replace.h"
#include "tools/StepRegistry.h"
#include "tools/StructureSteps.h"
#include "tools/TimeConversion.h"

#include <array>
#include <optional>

namespace quillog
{

namespace
{

// A batch answers every Yes/No question with Yes.
bool yes(std::string_view)
{
    return true;
}

template <std::size_t N> std::string choices(const std::array<std::string_view, N> &names)
{
    std::string text;
    for (const std::string_view name : names)
        text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

ToolResult unknownChoice(const char *what, const std::string &word, const std::string &known)
{
    return ToolResult::warning("unknown " + std::string(what) + " '" + word + "' (one of " + known + ")");
}

ToolResult convertDate(StepContext &context, const StepArguments &arguments)
{
    const auto layout = dateTemplateNamed(arguments[1]);
    if (!layout)
        return unknownChoice("date template", arguments[1], choices(dateTemplateNames()));
    return convertDateColumn(context.table, context.journal, arguments.column(0), *layout);
}

ToolResult convertTime(StepContext &context, const StepArguments &arguments)
{
    const auto layout = timeTemplateNamed(arguments[1]);
    if (!layout)
        return unknownChoice("time template", arguments[1], choices(timeTemplateNames()));
    const auto target = timeTargetNamed(arguments[2]);
    if (!target)
        return unknownChoice("time target", arguments[2], choices(timeTargetNames()));
    return convertTimeColumn(context.table, context.journal, arguments.column(0), *layout, *target);
}

ToolResult convertFrequency(StepContext &context, const StepArguments &arguments)
{
    static constexpr std::array<std::string_view, 4> units { "khz", "hz", "ghz", "repair" };
    std::optional<FrequencyUnit> unit;
    for (std::size_t index = 0; index < units.size(); ++index) {
        if (arguments[1] == units[index])
            unit = static_cast<FrequencyUnit>(index);
    }
    if (!unit)
        return unknownChoice("frequency unit", arguments[1], choices(units));
    return convertFrequencyColumn(
        context.table, context.journal, arguments.column(0), *unit, context.commaFrequency);
}

ToolResult replace(StepContext &context, const StepArguments &arguments)
{
    ReplaceRequest request;
    request.find = arguments[1];
    request.replacement = arguments[2];
    request.matchCase = arguments.hasFlag("match-case", 3);
    request.wholeCell = arguments.hasFlag("whole-cell", 3);
    request.anyText = arguments.hasFlag("any-text", 3);
    for (std::size_t index = 3; index < arguments.size(); ++index) {
        if (arguments[index] != "match-case" && arguments[index] != "whole-cell"
            && arguments[index] != "any-text")
            return ToolResult::warning("unknown replace option '" + arguments[index] + "'");
    }
    if (arguments[0] != "all") {
        request.scope = ReplaceScope::Column;
        request.currentColumn = arguments.column(0);
        if (request.currentColumn < 0)
            return ToolResult::warning("Cannot find the column '" + arguments[0] + "'.");
    }
    return replaceInTable(context.table, context.journal, request);
}

ToolResult undoStep(StepContext &context, bool undoing)
{
    ToolResult result;
    const UndoEffect effect = undoing ? context.journal.undo() : context.journal.redo();
    result.cellsChanged = effect.applied ? 1 : 0;
    result.rowsChanged = effect.rowsChanged;
    return result;
}

} // namespace

void addColumnToolSteps(StepRegistry &registry)
{
    registry.add({ "convert-date", "COLUMN TEMPLATE", 2, 2, convertDate });
    registry.add({ "convert-time", "COLUMN FROM TO", 3, 3, convertTime });
    registry.add({ "convert-freq", "COLUMN khz|hz|ghz|repair", 2, 2, convertFrequency });
    registry.add({ "make-band", "", 0, 0, [](StepContext &c, const StepArguments &) {
                      return makeBandFromFrequency(c.table, c.journal, yes);
                  } });
    registry.add({ "make-freq", "", 0, 0, [](StepContext &c, const StepArguments &) {
                      return makeFrequencyFromBand(c.table, c.journal, c.bandPlan, yes);
                  } });
    registry.add({ "convert-mode", "COLUMN FROM TO", 3, 3, [](StepContext &c, const StepArguments &a) {
                      return convertModeColumn(c.table, c.journal, a.column(0), a[1], a[2]);
                  } });
    registry.add({ "convert-deprecated-modes", "", 0, 0, [](StepContext &c, const StepArguments &) {
                      return convertDeprecatedModes(c.table, c.journal, c.lists, c.progress);
                  } });
    registry.add({ "replace", "SCOPE FIND REPLACEMENT [match-case] [whole-cell] [any-text]", 3, 6, replace });
    registry.add(
        { "undo", "", 0, 0, [](StepContext &c, const StepArguments &) { return undoStep(c, true); } });
    registry.add(
        { "redo", "", 0, 0, [](StepContext &c, const StepArguments &) { return undoStep(c, false); } });
}

const StepRegistry &applySteps()
{
    static const StepRegistry registry = [] {
        StepRegistry steps;
        addColumnToolSteps(steps);
        addTextAndStructureSteps(steps);
        return steps;
    }();
    return registry;
}

} // namespace quillog
