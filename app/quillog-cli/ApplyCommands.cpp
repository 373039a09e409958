// SPDX-License-Identifier: GPL-3.0-or-later
// The column tools without a window: apply runs them as named steps, find lists what Find All finds.
#include "CliSupport.h"
#include "CommandLog.h"
#include "Commands.h"
#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/UndoJournal.h"
#include "definitions/BandPlan.h"
#include "definitions/Definitions.h"
#include "definitions/ValueLists.h"
#include "formats/TableDump.h"
#include "tools/Find.h"
#include "tools/StepRegistry.h"
#include "tools/ToolSteps.h"

#include <cstdio>

namespace quillog::cli
{

namespace
{

int listSteps()
{
    for (const Step &step : applySteps().steps())
        std::printf("%s%s%s\n", step.name.c_str(), step.arguments.empty() ? "" : " ", step.arguments.c_str());
    return ExitSuccess;
}

// The lists for the deprecated-mode step, without a word when they are missing: that step then says so
// itself, and no other step needs them.
ValueLists listsForSteps()
{
    return loadDefinitions(findTemplateResource(programFolder(), operatorFolder()), operatorFolder())
        .definitions;
}

// Runs every step in order; false (after the step's message) at the first that cannot run.
bool runSteps(const std::vector<std::string> &steps, StepContext &context)
{
    for (const std::string &line : steps) {
        const StepOutcome outcome = applySteps().run(line, context);
        if (!outcome.ok) {
            fail(outcome.message);
            return false;
        }
        if (!outcome.message.empty())
            std::fprintf(stderr, "%s\n", outcome.message.c_str());
    }
    return true;
}

int writeDump(const std::string &path, const LogTable &table)
{
    SafeFile file(path);
    if (!file.open() || !file.write(tableDump(table)) || !file.commit())
        return fail(path + ": cannot be written");
    return ExitSuccess;
}

} // namespace

int apply(const CliArguments &arguments)
{
    if (arguments.has("--list"))
        return listSteps();
    if (arguments.paths.size() != 2)
        return fail("apply takes an input and an output file");
    const std::vector<std::string> steps = arguments.valuesOf("--step");
    const bool dump = arguments.has("--dump");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log,
            (dump ? LogNeed::Qsos : LogNeed::ForSaving) | LogNeed::RowNumbers))
        return ExitFailure;
    LogTable &table = log.table;
    UndoJournal journal(table);
    const ValueLists lists = listsForSteps();
    const BandPlan plan = loadBandPlan(operatorFolder()).plan;
    RunningFlag progress;
    StepContext context { table, journal, lists, plan, arguments.has("--comma-freq"), progress };
    if (!runSteps(steps, context))
        return ExitFailure;
    return dump
        ? writeDump(arguments.paths[1], table)
        : writeLog(arguments, table, log.definitions, saveOptionsFor(arguments, log, arguments.paths[1]));
}

int find(const CliArguments &arguments)
{
    if (arguments.paths.size() != 2)
        return fail("find takes a file and a text");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::RowNumbers))
        return ExitFailure;
    const LogTable &table = log.table;
    FindRequest request;
    request.text = arguments.paths[1];
    request.matchCase = arguments.has("--match-case");
    request.wholeCell = arguments.has("--whole-cell");
    if (const auto columns = arguments.valuesOf("--column"); !columns.empty()) {
        request.inColumn = true;
        request.currentColumn = StepArguments(table, columns).column(columns.size() - 1);
        if (request.currentColumn < 0)
            return fail("Cannot find the column '" + columns.back() + "'.");
    }
    const FindAllResult found = findAll(table, request);
    if (found.rows.empty()) {
        std::fprintf(stderr, "%s\n", notFoundMessage(request.text).c_str());
        return ExitProblemsFound;
    }
    for (const int row : found.rows) {
        for (int column = 0; column < table.columnCount(); ++column)
            std::printf("%s%s", column == 0 ? "" : "\t", escapedCell(table.text(row, column)).c_str());
        std::printf("\n");
    }
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", searchResultsTitle(found).c_str());
    return ExitSuccess;
}

} // namespace quillog::cli
