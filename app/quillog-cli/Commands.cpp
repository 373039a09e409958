// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "CliSupport.h"
#include "ValidateCommand.h"
#include "check/CheckColumns.h"
#include "check/LogCheck.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "definitions/Definitions.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"
#include "formats/SaveSettings.h"
#include "settings/DataFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace quillog::cli
{

namespace
{

int filledCells(const LogTable &table, int column)
{
    int count = 0;
    for (int row = 1; row < table.rowCount(); ++row)
        count += table.text(row, column).empty() ? 0 : 1;
    return count;
}

int info(const CliArguments &arguments)
{
    if (arguments.paths.size() != 1)
        return fail("info takes one file");
    LogTable table;
    ReadResult result;
    if (!readLog(arguments.paths[0], arguments, table, result))
        return ExitFailure;
    std::printf("File: %s\nQSOs: %d\nFields: %d\n", arguments.paths[0].c_str(), table.qsoCount(),
        table.columnCount());
    for (int column = 0; column < table.columnCount(); ++column) {
        const std::string name(table.text(0, column));
        std::printf("  %-24s %d\n", name.c_str(), filledCells(table, column));
    }
    std::printf("Lengths counted in characters: %d\n", result.characterLengthRecoveries);
    return ExitSuccess;
}

SaveOptions saveOptionsFrom(const CliArguments &arguments)
{
    SaveOptions options;
    options.lowerCase = arguments.has("--lower-case");
    options.typeIndicator = arguments.has("--type-indicator");
    options.commaFrequency = arguments.has("--comma-freq");
    options.noChecks = arguments.has("--no-checks");
    options.separateQsos = arguments.has("--separate-qsos");
    return options;
}

// The folder of the operator's own lists, the editor's, with the files of its earlier folder moved in.
std::string operatorFolder()
{
    const std::string folder = dataFolder();
    prepareDataFolder(folder);
    return folder;
}

// The definitions the save checks against; without the template resource only an unchecked save works.
bool loadSaveDefinitions(const CliArguments &arguments, SaveDefinitions &save)
{
    const DefinitionsLoad load = loadDefinitions(findTemplateResource(programFolder()), operatorFolder());
    if (!load.ok) {
        const std::string message = std::string(load.message.substr(0, load.message.find('\n')));
        if (!arguments.has("--no-checks")) {
            fail(message + " (the checks need it; --no-checks saves without them)");
            return false;
        }
        std::fprintf(stderr, "quillog-cli: %s\n", message.c_str());
    }
    save = saveDefinitionsFor(load.definitions);
    return true;
}

int convert(const CliArguments &arguments)
{
    if (arguments.paths.size() != 2)
        return fail("convert takes an input and an output file");
    SaveDefinitions definitions;
    if (!loadSaveDefinitions(arguments, definitions))
        return ExitFailure;
    LogTable table;
    ReadResult read;
    if (!readLog(arguments.paths[0], arguments, table, read))
        return ExitFailure;
    RunningFlag progress;
    const std::string &target = arguments.paths[1];
    const LogWriter &writer = *formatForSavePath(target).writer;
    const SaveResult saved = writer.write(target, table, saveOptionsFrom(arguments), definitions, progress);
    if (!saved.ok)
        return fail(target + ": " + saved.message);
    if (saved.errors.empty())
        return ExitSuccess;
    std::fprintf(stderr, "Saved ADIF entries: %d\nErrors: %zu\n", saved.written, saved.errors.size());
    if (writer.reportsFrequencyWarning() && saved.frequencyWithoutSeparator)
        std::fputs("Warning: Some FREQ entries contain no comma and may be not in KHz format.\n", stderr);
    if (!saved.reportPath.empty())
        std::fprintf(stderr, "The rejected records are listed in %s\n", saved.reportPath.c_str());
    return ExitProblemsFound;
}

// The lists the check tests against. Without the template resource the operator's own list files may
// still give them; a check against empty lists would only fail every QSO.
bool loadCheckLists(ValueLists &lists)
{
    const DefinitionsLoad load = loadDefinitions(findTemplateResource(programFolder()), operatorFolder());
    if (!load.ok) {
        const std::string message = std::string(load.message.substr(0, load.message.find('\n')));
        if (load.definitions.modes.empty() || load.definitions.bands.empty()) {
            fail(message + " (the check needs its band and mode lists)");
            return false;
        }
        std::fprintf(stderr, "quillog-cli: %s\n", message.c_str());
    }
    lists = load.definitions;
    return true;
}

// A cell's text for one tab-separated output field: trimmed, with tabs and line ends as blanks.
std::string field(const LogTable &table, int row, int column)
{
    std::string text(column < 0 ? std::string_view() : trimmed(table.text(row, column)));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

void printFailedRow(const LogTable &table, int row, const CheckColumns &columns, Colour marked)
{
    std::string failed;
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        if (table.backgroundColour(row, column) == marked)
            failed += (failed.empty() ? "" : ",") + field(table, 0, column);
    }
    std::printf("%d\t%s\t%s\t%s\t%s\n", row, field(table, row, columns.call).c_str(),
        field(table, row, columns.date).c_str(), field(table, row, columns.time).c_str(), failed.c_str());
}

int check(const CliArguments &arguments)
{
    if (arguments.paths.size() != 1)
        return fail("check takes one file");
    ValueLists lists;
    if (!loadCheckLists(lists))
        return ExitFailure;
    LogTable table;
    ReadResult read;
    if (!readLog(arguments.paths[0], arguments, table, read))
        return ExitFailure;
    // The same table the editor checks: row numbers in a fixed first column.
    table.addRowNumbers();
    RunningFlag progress;
    const CheckColours colours;
    // The writer's --comma-freq puts a decimal comma into FREQ; the check takes what the program writes.
    const CheckResult result = checkLog(table, lists, colours, progress, true);
    if (result.status == CheckStatus::MissingColumn)
        return fail(arguments.paths[0] + ": " + result.message);
    const CheckColumns columns = findCheckColumns(table);
    for (const int row : result.failedRows)
        printFailedRow(table, row, columns, colours.marked);
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", oneLine(result.message).c_str());
    return result.invalidFound ? ExitProblemsFound : ExitSuccess;
}

} // namespace

const char *usageText()
{
    return "Usage: quillog-cli COMMAND [OPTIONS] FILE...\n"
           "\n"
           "Commands:\n"
           "  info FILE          the QSO count, the fields in file order and how many QSOs have each\n"
           "  convert IN OUT     read a log of any kind Quillog reads (judged by its content) and write\n"
           "                     it again; OUT ending in .adx is written as ADX, any other as ADI\n"
           "  check FILE         test every QSO's call, mode, band, time and date; one line per failed\n"
           "                     QSO: row, CALL, QSO_DATE, time, the fields that failed (tab-separated)\n"
           "\n"
           "Options (anywhere on the line):\n"
           "  --ignore-brackets  remove '<' and '>' from the values read\n"
           "  --lower-case       write tags in lower case\n"
           "  --type-indicator   write each field's data-type letter\n"
           "  --comma-freq       write FREQ with a decimal comma\n"
           "  --no-checks        write every record, without checks and report\n"
           "  --separate-qsos    an empty line after every record\n"
           "  -h, --help         this text\n"
           "\n"
           "Exit status: 0 success, 1 records were rejected by the checks or QSOs failed the check,\n"
           "2 the command failed (check: a column it needs is missing, or the file is unreadable).\n";
}

int runCommand(const CliArguments &arguments)
{
    if (arguments.command == "info")
        return info(arguments);
    if (arguments.command == "convert")
        return convert(arguments);
    if (arguments.command == "check")
        return check(arguments);
    if (arguments.command == "validate")
        return validate(arguments);
    return fail("unknown command " + arguments.command);
}

} // namespace quillog::cli
