// SPDX-License-Identifier: GPL-3.0-or-later
#include "SideCommands.h"

#include "CliSupport.h"
#include "CommandLog.h"
#include "Commands.h"
#include "OutputText.h"
#include "StandardStreams.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "side/EqslComparison.h"
#include "side/EqslSave.h"
#include "side/QsoMoment.h"
#include "side/Statistics.h"

#include <cstdio>
#include <optional>
#include <string>

namespace quillog::cli
{

namespace
{

void printStatisticsJson(const LogStatistics &statistics)
{
    std::string out = "{\"qsos\": " + std::to_string(statistics.qsos)
        + ", \"unique_calls\": " + std::to_string(statistics.uniqueCalls) + ", \"bands\": [";
    const char *separator = "";
    for (const BandFigures &row : statisticsGrid(statistics)) {
        out += separator;
        out += "{\"band\": " + jsonString(row.band) + ", \"qsos\": " + std::to_string(row.qsos)
            + ", \"dxcc\": " + std::to_string(row.entities) + "}";
        separator = ", ";
    }
    out += "]}\n";
    std::fputs(out.c_str(), stdout);
}

void printStatisticsGrid(const LogStatistics &statistics)
{
    std::printf(
        "QSOs:\t%d\nUnique Callsigns:\t%d\nBAND\tQSOs\tDXCC\n", statistics.qsos, statistics.uniqueCalls);
    for (const BandFigures &row : statisticsGrid(statistics)) {
        const std::string entities = row.entities > 0 ? std::to_string(row.entities) : std::string();
        std::printf("%s\t%d\t%s\n", tabField(row.band).c_str(), row.qsos, entities.c_str());
    }
}

// A date option's value as YYYYMMDD; nothing (after the message) when it is no valid date.
bool dateOption(const CliArguments &arguments, const std::string &option, int &date)
{
    const std::vector<std::string> values = arguments.valuesOf(option);
    if (values.empty())
        return true;
    const std::optional<int> day = qsoDay(values.back());
    if (!day) {
        fail(option + " needs a date written YYYYMMDD, not \"" + values.back() + "\"");
        return false;
    }
    date = *day;
    return true;
}

bool filterFrom(const CliArguments &arguments, EqslFilter &filter)
{
    filter.newEqsls = arguments.has("--new");
    filter.alreadyReceived = arguments.has("--received");
    filter.notInLog = arguments.has("--not-in-log");
    filter.swl = arguments.has("--swl");
    filter.fromDate = 0;
    filter.toDate = 99991231;
    filter.useDateFilter = !arguments.valuesOf("--from").empty() || !arguments.valuesOf("--to").empty();
    return dateOption(arguments, "--from", filter.fromDate) && dateOption(arguments, "--to", filter.toDate);
}

// Writes the selection as ADI to OUT, "-" for standard output: --to is a date for this command, never
// a format.
int saveSelection(const CliArguments &arguments, const EqslComparison &comparison)
{
    SaveDefinitions definitions;
    if (!loadSaveDefinitions(arguments, definitions))
        return ExitFailure;
    const std::string &name = arguments.paths[2];
    const OutputFile output(name, "adi");
    if (!output.ok())
        return fail("cannot make a temporary folder for standard output");
    RunningFlag progress;
    const SaveResult saved = saveEqslSelection(
        output.path(), comparison.records, saveOptionsFrom(arguments), definitions, progress);
    if (!saved.ok)
        return fail(name + ": " + saved.message);
    if (!output.deliver(saved.reportPath))
        return fail("cannot write standard output");
    std::fprintf(stderr, "QSOs: %d\n", comparison.selected());
    if (saved.errors.empty())
        return ExitSuccess;
    std::fprintf(stderr, "Saved ADIF entries: %d\nErrors: %zu\n", saved.written, saved.errors.size());
    if (!saved.reportPath.empty() && !output.toStandardOutput())
        std::fprintf(stderr, "The rejected records are listed in %s\n", saved.reportPath.c_str());
    return ExitProblemsFound;
}

} // namespace

int stats(const CliArguments &arguments)
{
    if (arguments.paths.size() != 1)
        return fail("stats takes one file");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log))
        return ExitFailure;
    RunningFlag progress;
    const LogStatistics statistics = countStatistics(log.table, progress);
    if (!statistics.ok)
        return fail(arguments.paths[0] + ": " + statistics.message);
    if (arguments.has("--json"))
        printStatisticsJson(statistics);
    else
        printStatisticsGrid(statistics);
    return ExitSuccess;
}

int eqslCompare(const CliArguments &arguments)
{
    if (arguments.paths.size() != 3)
        return fail("eqsl-compare takes the eQSL inbox file, the log and the output file");
    if (isStandardStream(arguments.paths[0]) && isStandardStream(arguments.paths[1]))
        return fail("standard input can give the eQSL inbox or the log, not both");
    EqslFilter filter;
    if (!filterFrom(arguments, filter))
        return ExitFailure;
    CommandLog log;
    if (!openLog(arguments.paths[1], arguments, log))
        return ExitFailure;
    const InputFile inbox(arguments.paths[0]);
    if (!inbox.ok())
        return fail(inbox.error());
    const std::string shown = isStandardStream(arguments.paths[0]) ? "standard input" : arguments.paths[0];
    RunningFlag progress;
    const EqslComparison comparison = compareEqslInboxFile(inbox.path(), log.table, filter, progress);
    if (comparison.selected() == 0)
        return fail(shown + ": " + comparison.message);
    return saveSelection(arguments, comparison);
}

} // namespace quillog::cli
