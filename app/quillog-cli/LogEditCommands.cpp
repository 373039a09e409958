// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogEditCommands.h"

#include "CliSupport.h"
#include "CommandLog.h"
#include "Commands.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/UndoJournal.h"
#include "formats/AdiReader.h"
#include "formats/FormatRegistry.h"
#include "formats/LogSaver.h"
#include "side/FilterSettings.h"
#include "side/ManualQso.h"
#include "side/RecordFilter.h"
#include "side/SplitWriter.h"
#include "tools/RecordInsertion.h"

#include <charconv>
#include <cstdio>

namespace quillog::cli
{

namespace
{

constexpr const char *splitCountMessage = "Please enter a valid split count less than the Total QSOs count.";

// A whole decimal number and nothing else; nothing for any other text.
std::optional<int> wholeNumber(const std::string &text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// The editor's report after a save with rejected records, as convert prints it.
int reportRejected(const SaveResult &saved)
{
    if (saved.errors.empty())
        return ExitSuccess;
    std::fprintf(stderr, "Saved ADIF entries: %d\nErrors: %zu\n", saved.written, saved.errors.size());
    if (saved.frequencyWithoutSeparator)
        std::fputs("Warning: Some FREQ entries contain no comma and may be not in KHz format.\n", stderr);
    if (!saved.reportPath.empty())
        std::fprintf(stderr, "The rejected records are listed in %s\n", saved.reportPath.c_str());
    return ExitProblemsFound;
}

// Writes the log to target with the writers' flags; over its own file only while nothing changed it.
int writeOver(const CommandLog &log, const CliArguments &arguments, const std::string &target)
{
    return writeLogTo(target, arguments, log.table, log.definitions, saveOptionsFor(arguments, log, target));
}

} // namespace

int split(const CliArguments &arguments)
{
    if (arguments.paths.size() != 3)
        return fail("split takes a log, a count and a target file");
    const std::string &target = arguments.paths[2];
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::ForSaving))
        return ExitFailure;
    const std::optional<int> count = wholeNumber(arguments.paths[1]);
    if (!count || *count < 0 || *count > log.table.qsoCount())
        return fail(std::string(splitCountMessage) + " (" + arguments.paths[1] + " of "
            + std::to_string(log.table.qsoCount()) + ")");
    const SaveOptions options = saveOptionsFrom(arguments);
    const int parts = splitPartCount(log.table, *count, options, log.definitions);
    if (const auto existing = firstExistingPart(splitTarget(target), parts);
        existing && !arguments.has("--replace"))
        return fail(*existing + " already exists (--replace replaces the existing parts)");
    RunningFlag progress;
    const SplitResult result = writeSplit(log.table, *count, target, options, log.definitions, progress);
    for (const auto &[path, records] : result.parts)
        std::printf("%s\t%d\n", path.c_str(), records);
    std::fflush(stdout);
    warnLines(target, droppedCharactersText(result.save));
    const int status = reportRejected(result.save);
    return result.save.ok ? status : fail(result.save.message);
}

int merge(const CliArguments &arguments)
{
    if (arguments.paths.size() < 3)
        return fail("merge takes a log, one or more files to merge into it and an output file");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::ForSaving | LogNeed::RowNumbers))
        return ExitFailure;
    ReadOptions options;
    options.ignoreBracket = arguments.has("--ignore-brackets");
    for (std::size_t i = 1; i + 1 < arguments.paths.size(); ++i) {
        const std::string &other = arguments.paths[i];
        bool wideSource = false;
        if (!isAdif(other, wideSource))
            return ExitFailure;
        RunningFlag progress;
        const ReadResult merged = AdiReader().merge(other, wideSource, log.table, options, progress);
        if (!merged.ok)
            return fail(other + ": " + merged.message);
        log.table.numberRows();
    }
    return writeOver(log, arguments, arguments.paths.back());
}

int filter(const CliArguments &arguments)
{
    const std::vector<std::string> filterFiles = arguments.valuesOf("--filters");
    if (arguments.paths.size() != 2 || filterFiles.size() != 1)
        return fail("filter takes a log, an output file and --filters FILE");
    const FilterFile filters = readFilterFile(filterFiles[0]);
    if (!filters.ok)
        return fail(filters.message);
    if (!filters.exists)
        return fail(filterFiles[0] + ": no such filter file");
    ReadOptions options;
    options.keepRecord = RecordFilter(filters.settings).recordTest();
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::ForSaving | LogNeed::AdifOnly, options))
        return ExitFailure;
    std::fprintf(stderr, "QSOs kept: %d of %d\n", log.read.recordsKept, log.read.records);
    return writeOver(log, arguments, arguments.paths[1]);
}

namespace
{

// The typed entries and the options that give them; field names the entries a QSO needs.
struct QsoOption {
    const char *option;
    std::string ManualQso::*entry;
    ManualQsoField field;
};

constexpr QsoOption qsoOptions[] = {
    { "--call", &ManualQso::call, ManualQsoField::Call },
    { "--date", &ManualQso::date, ManualQsoField::Date },
    { "--time", &ManualQso::timeOff, ManualQsoField::TimeOff },
    { "--band", &ManualQso::band, ManualQsoField::Band },
    { "--mode", &ManualQso::mode, ManualQsoField::Mode },
    { "--rst-sent", &ManualQso::rstSent, ManualQsoField::RstSent },
    { "--rst-rcvd", &ManualQso::rstRcvd, ManualQsoField::RstRcvd },
    { "--name", &ManualQso::name, ManualQsoField::None },
    { "--qth", &ManualQso::qth, ManualQsoField::None },
    { "--gridsquare", &ManualQso::gridsquare, ManualQsoField::None },
};

ManualQso typedQso(const CliArguments &arguments)
{
    ManualQso qso;
    for (const QsoOption &given : qsoOptions)
        qso.*given.entry = arguments.value(given.option);
    qso.addTimeOn = arguments.has("--time-on");
    return qso;
}

const char *optionOf(ManualQsoField field)
{
    for (const QsoOption &given : qsoOptions) {
        if (given.field == field && field != ManualQsoField::None)
            return given.option;
    }
    return "";
}

} // namespace

int add(const CliArguments &arguments)
{
    if (arguments.paths.size() != 2)
        return fail("add takes a log and an output file");
    const ManualQsoRecord record = manualQsoRecord(typedQso(arguments));
    if (record.missing != ManualQsoField::None)
        return fail(std::string("the QSO needs ") + optionOf(record.missing));
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::ForSaving | LogNeed::EmptyIsNew))
        return ExitFailure;
    UndoJournal journal(log.table);
    appendAdiRecord(log.table, journal, record.text, arguments.has("--ignore-brackets"));
    return writeOver(log, arguments, arguments.paths[1]);
}

} // namespace quillog::cli
