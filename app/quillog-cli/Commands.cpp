// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "CliSupport.h"
#include "CommandLog.h"
#include "LogEditCommands.h"
#include "SideCommands.h"
#include "StandardStreams.h"
#include "ValidateCommand.h"
#include "check/CheckColumns.h"
#include "check/LogCheck.h"
#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "definitions/Definitions.h"
#include "document/ImportFollowUp.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"
#include "formats/SaveSettings.h"
#include "settings/DataFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <optional>
#include <string>

namespace quillog::cli
{

namespace
{

// A message on one line: its paragraphs joined by blanks.
std::string oneLine(std::string text)
{
    for (std::size_t at; (at = text.find("\n\n")) != std::string::npos;)
        text.replace(at, 2, " ");
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

} // namespace

int fail(const std::string &message)
{
    std::fprintf(stderr, "quillog-cli: %s\n", oneLine(message).c_str());
    return ExitFailure;
}

// The editor's definitions: the contest templates of an import, the lists and types of a save.
DefinitionsLoad loadEditorDefinitions();

// A message about the copy of standard input names standard input instead.
std::string withNameShown(std::string message, const std::string &path, const std::string &shown)
{
    for (std::size_t at = 0; path != shown && (at = message.find(path, at)) != std::string::npos;)
        message.replace(at, path.size(), shown);
    return message;
}

// Reads the log as the editor would: its kind judged by its content, UTF-16 read through a copy, a
// TRLOG listing as one unless --grid asks for the character grid. A name of "-" reads standard input, through
// a copy the file-type test can look at.
bool readLog(const std::string &name, const CliArguments &arguments, LogTable &table, ReadResult &result,
    ReadOptions options)
{
    const InputFile input(name);
    if (!input.ok()) {
        fail(input.error());
        return false;
    }
    const std::string &path = input.path();
    const std::string shown = isStandardStream(name) ? std::string("standard input") : path;
    const ClassifiedLog log = classifyLog(path);
    if (log.reader == nullptr) {
        fail(shown + ": " + withNameShown(log.refusal, path, shown));
        return false;
    }
    const LogReader &reader
        = log.type == LogFileType::TypeTrlogTable && arguments.has("--grid") ? textGridReader() : *log.reader;
    RunningFlag progress;
    options.ignoreBracket = arguments.has("--ignore-brackets");
    options.decimalComma = arguments.has("--comma-freq");
    if (log.type == LogFileType::TypeCabrillo)
        options.contests = loadEditorDefinitions().definitions.contests;
    result = reader.readFile(path, log.wideSource, table, options, progress);
    if (result.ok) {
        finishImportedTable(reader, table);
        return true;
    }
    if (!result.warning.empty())
        fail(shown + ": " + withNameShown(result.warning, path, shown));
    fail(shown + ": " + withNameShown(result.message, path, shown)
        + (result.detail.empty() ? "" : " (" + withNameShown(result.detail, path, shown) + ")"));
    return false;
}

namespace
{

void warn(const std::string &message)
{
    std::fprintf(stderr, "quillog-cli: %s\n", message.c_str());
}

} // namespace

// Each line of a multi-line message as a warning of its own.
void warnLines(const std::string &path, std::string_view text)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        warn(path + ": " + std::string(text.substr(0, end)));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
}

namespace
{

int info(const CliArguments &arguments)
{
    if (arguments.paths.size() != 1)
        return fail("info takes one file");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log))
        return ExitFailure;
    const LogTable &table = log.table;
    const ReadResult &result = log.read;
    std::printf("File: %s\nQSOs: %d\nFields: %d\n", arguments.paths[0].c_str(), table.qsoCount(),
        table.columnCount());
    const std::vector<int> filled = table.filledCellCounts();
    for (int column = 0; column < table.columnCount(); ++column) {
        const std::string name(table.text(0, column));
        std::printf("  %-24s %d\n", name.c_str(), filled[static_cast<std::size_t>(column)]);
    }
    std::printf("Lengths counted in characters: %d\n", result.characterLengthRecoveries);
    std::printf("Values cut short by the end of the file: %d\n", result.truncatedValues);
    std::printf("Tags skipped: %d\n", result.skippedTags);
    std::printf("Records without any field: %d\n", result.emptyRecords);
    return ExitSuccess;
}

} // namespace

SaveOptions saveOptionsFrom(const CliArguments &arguments)
{
    SaveOptions options;
    options.lowerCase = arguments.has("--lower-case");
    options.typeIndicator = arguments.has("--type-indicator");
    options.commaFrequency = arguments.has("--comma-freq");
    options.noChecks = arguments.has("--no-checks");
    options.separateQsos = arguments.has("--separate-qsos");
    options.csvSeparator = arguments.value("--separator") == "comma" ? ',' : ';';
    return options;
}

// The folder of the operator's own lists, the editor's, with the files of its earlier folder moved in.
std::string operatorFolder()
{
    const std::string folder = dataFolder();
    prepareDataFolder(folder);
    return folder;
}

std::string programFolder()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string(".") : self.parent_path().string();
}

DefinitionsLoad loadEditorDefinitions()
{
    return loadDefinitions(findTemplateResource(programFolder(), operatorFolder()), operatorFolder());
}

// The definitions the save checks against; without the template resource only an unchecked save works.
bool loadSaveDefinitions(const CliArguments &arguments, SaveDefinitions &save)
{
    const DefinitionsLoad load = loadEditorDefinitions();
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

namespace
{

// The format to write: the registered writer --to names by its extension, else the one the output's
// extension chooses, CSV included (ADI for any other name, standard output included). Null when --to names
// none.
const LogFormat *outputFormat(const CliArguments &arguments, const std::string &target)
{
    const std::string to = arguments.value("--to");
    if (to.empty())
        return &formatForOutputPath(target);
    for (const LogFormat &format : logFormats()) {
        if (format.writer != nullptr && equalsIgnoreCase(format.extension, to))
            return &format;
    }
    return nullptr;
}

// The extensions --to takes, as "adi, adx".
std::string writtenFormats()
{
    std::string names;
    for (const LogFormat &format : logFormats()) {
        if (format.writer != nullptr)
            names += (names.empty() ? "" : ", ") + std::string(format.extension);
    }
    return names;
}

} // namespace

int writeLog(const CliArguments &arguments, const LogTable &table, const SaveDefinitions &definitions,
    const SaveOptions &options)
{
    return writeLogTo(arguments.paths[1], arguments, table, definitions, options);
}

int writeLogTo(const std::string &destination, const CliArguments &arguments, const LogTable &table,
    const SaveDefinitions &definitions, const SaveOptions &options)
{
    const LogFormat *format = outputFormat(arguments, destination);
    if (format == nullptr)
        return fail("--to takes " + writtenFormats() + ", not " + arguments.value("--to"));
    RunningFlag progress;
    const OutputFile output(destination, format->extension);
    if (!output.ok())
        return fail("cannot make a temporary folder for standard output");
    const std::string &target = output.path();
    const LogWriter &writer = *format->writer;
    const SaveResult saved = writer.write(target, table, options, definitions, progress);
    if (!saved.ok)
        return fail(destination + ": " + saved.message);
    if (!output.deliver(saved.reportPath))
        return fail("cannot write standard output");
    warnLines(destination, droppedCharactersText(saved));
    if (saved.errors.empty())
        return ExitSuccess;
    std::fprintf(stderr, "Saved ADIF entries: %d\nErrors: %zu\n", saved.written, saved.errors.size());
    if (writer.reportsFrequencyWarning() && saved.frequencyWithoutSeparator)
        std::fputs("Warning: Some FREQ entries contain no comma and may be not in KHz format.\n", stderr);
    if (!saved.reportPath.empty() && !output.toStandardOutput())
        std::fprintf(stderr, "The rejected records are listed in %s\n", saved.reportPath.c_str());
    return ExitProblemsFound;
}

namespace
{

int convert(const CliArguments &arguments)
{
    if (arguments.paths.size() != 2)
        return fail("convert takes an input and an output file");
    if (const std::string separator = arguments.value("--separator");
        !separator.empty() && separator != "comma" && separator != "semicolon")
        return fail("--separator takes comma or semicolon");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::ForSaving))
        return ExitFailure;
    warnLines(log.path, readProblemsText(log.read));
    return writeLog(
        arguments, log.table, log.definitions, saveOptionsFor(arguments, log, arguments.paths[1]));
}

// The lists the check tests against. Without the template resource the operator's own list files may
// still give them; a check against empty lists would only fail every QSO.
bool loadCheckLists(ValueLists &lists)
{
    const DefinitionsLoad load
        = loadDefinitions(findTemplateResource(programFolder(), operatorFolder()), operatorFolder());
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
    // The same table the editor checks: row numbers in a fixed first column.
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::RowNumbers))
        return ExitFailure;
    LogTable &table = log.table;
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
           "                     it again; OUT ending in .adx is written as ADX, in .csv as a\n"
           "                     spreadsheet file, any other as ADI (see --to)\n"
           "  check FILE         test every QSO's call, mode, band, time and date; one line per failed\n"
           "                     QSO: row, CALL, QSO_DATE, time, the fields that failed (tab-separated)\n"
           "  apply IN OUT --step 'NAME ARG...' [--step ...] [--dump]\n"
           "                     run the editor's column tools as steps, then write OUT as convert does\n"
           "                     (--dump: the raw table, tab-separated); apply --list names the steps\n"
           "  find IN TEXT [--column C] [--match-case] [--whole-cell]\n"
           "                     the rows Find All lists, tab-separated, \"#\" first\n"
           "  split LOG COUNT TARGET  write LOG in parts of COUNT QSOs: TARGET-base.partN.ext (ADX for\n"
           "                     a .adx TARGET); an existing part stops it unless --replace is given\n"
           "  merge LOG OTHER... OUT  append the QSOs of each ADIF file OTHER to LOG, write OUT\n"
           "  filter LOG OUT --filters FILE  keep the QSOs that pass the filters of FILE (a filters.xml)\n"
           "  add LOG OUT --call C --date YYYYMMDD --time HHMM --band B --mode M --rst-sent R --rst-rcvd R\n"
           "                     [--name N --qth Q --gridsquare G --time-on]  add one QSO typed by hand\n"
           "                     (an empty LOG file starts a new log)\n"
           "  stats FILE         QSOs, unique calls, and per band QSOs and DXCC entities (tab-separated;\n"
           "                     --json for one JSON object)\n"
           "  eqsl-compare INBOX LOG OUT\n"
           "                     write the eQSL inbox records of the chosen kinds as ADI: --new (in the\n"
           "                     log, not confirmed; the default), --received, --not-in-log, --swl;\n"
           "                     --from YYYYMMDD and --to YYYYMMDD keep the QSOs of those days\n"
           "                     (OUT is always ADI)\n"
           "  validate FILE [--profile adif|lotw|eqsl|clublog|pota] [--json]\n"
           "                     every field against ADIF and the profile's service; one line per\n"
           "                     finding: row, field, value, error or warning, message\n"
           "\n"
           "A FILE of - is standard input (its kind judged by its content) or standard output\n"
           "(ADI unless --to says otherwise).\n"
           "\n"
           "Options (anywhere on the line):\n"
           "  --to VALUE         read by each command in its own meaning: for convert and apply the\n"
           "                     format to write, whatever the output's name: adi, adx, csv (and every\n"
           "                     other format Quillog writes, by its extension); for eqsl-compare the\n"
           "                     last QSO day kept, YYYYMMDD\n"
           "  --ignore-brackets  remove '<' and '>' from the values read\n"
           "  --lower-case       write tags in lower case\n"
           "  --type-indicator   write each field's data-type letter\n"
           "  --comma-freq       write FREQ with a decimal comma (also Cabrillo frequencies read)\n"
           "  --no-checks        write every record, without checks and report\n"
           "  --separate-qsos    an empty line after every record (CSV: after every line)\n"
           "  --separator S      CSV output: comma or semicolon (default semicolon)\n"
           "  --grid             read a TRLOG listing as a character grid instead\n"
           "  -h, --help         this text\n"
           "  --version          the program's version\n"
           "\n"
           "Exit status: 0 success, 1 records were rejected by the checks, QSOs failed the check or\n"
           "validation found errors, 2 the command failed (a column it needs is missing, the file is\n"
           "unreadable, eqsl-compare found no record).\n";
}

int runCommand(const CliArguments &arguments)
{
    // Memory may run out anywhere in a large log; the command then fails cleanly instead of aborting.
    try {
        if (arguments.command == "info")
            return info(arguments);
        if (arguments.command == "convert")
            return convert(arguments);
        if (arguments.command == "check")
            return check(arguments);
        if (arguments.command == "apply")
            return apply(arguments);
        if (arguments.command == "find")
            return find(arguments);
        if (arguments.command == "split")
            return split(arguments);
        if (arguments.command == "merge")
            return merge(arguments);
        if (arguments.command == "filter")
            return filter(arguments);
        if (arguments.command == "add")
            return add(arguments);
        if (arguments.command == "stats")
            return stats(arguments);
        if (arguments.command == "eqsl-compare")
            return eqslCompare(arguments);
        if (arguments.command == "validate")
            return validate(arguments);
    } catch (const std::bad_alloc &) {
        return fail(notEnoughMemoryMessage);
    }
    return fail("unknown command " + arguments.command);
}

} // namespace quillog::cli
