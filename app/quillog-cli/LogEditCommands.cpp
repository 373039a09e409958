// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogEditCommands.h"

#include "CliSupport.h"
#include "Commands.h"
#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/UndoJournal.h"
#include "formats/AdiReader.h"
#include "formats/FormatRegistry.h"
#include "formats/LogFileType.h"
#include "formats/LogSaver.h"
#include "settings/RecentFiles.h"
#include "side/FilterSettings.h"
#include "side/ManualQso.h"
#include "side/RecordFilter.h"
#include "side/SplitWriter.h"
#include "tools/RecordInsertion.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

namespace quillog::cli
{

namespace
{

constexpr const char *notAdifMessage = "This file is not ADIF formatted.\nPlease use Import menu to open it.";
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

// An ADIF file as Merge and Open Filtered take it; prints the refusal otherwise.
bool isAdif(const std::string &path, bool &wideSource)
{
    const LogFileTypeResult result = detectLogFileType(path);
    wideSource = result.wideSource;
    if (result.type == LogFileType::TypeAdif)
        return true;
    fail(path + ": "
        + (result.type == LogFileType::TypeMissing ? std::string(missingRecentFileMessage) : notAdifMessage));
    return false;
}

// The writers' flags; a log written over the file it was read from must still be as it was read.
SaveOptions saveOptionsOver(
    const CliArguments &arguments, const std::string &source, const std::string &target)
{
    SaveOptions options = saveOptionsFrom(arguments);
    if (isSameFile(source, target))
        options.unchangedSince = fileStamp(source);
    return options;
}

} // namespace

int split(const CliArguments &arguments)
{
    if (arguments.paths.size() != 3)
        return fail("split takes a log, a count and a target file");
    const std::string &target = arguments.paths[2];
    SaveDefinitions definitions;
    if (!loadSaveDefinitions(arguments, definitions))
        return ExitFailure;
    LogTable table;
    ReadResult read;
    if (!readLog(arguments.paths[0], arguments, table, read))
        return ExitFailure;
    const std::optional<int> count = wholeNumber(arguments.paths[1]);
    if (!count || *count < 0 || *count > table.qsoCount())
        return fail(std::string(splitCountMessage) + " (" + arguments.paths[1] + " of "
            + std::to_string(table.qsoCount()) + ")");
    const SaveOptions options = saveOptionsFrom(arguments);
    const int parts = splitPartCount(table, *count, options, definitions);
    if (const auto existing = firstExistingPart(splitTarget(target), parts);
        existing && !arguments.has("--replace"))
        return fail(*existing + " already exists (--replace replaces the existing parts)");
    RunningFlag progress;
    const SplitResult result = writeSplit(table, *count, target, options, definitions, progress);
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
    SaveDefinitions definitions;
    if (!loadSaveDefinitions(arguments, definitions))
        return ExitFailure;
    LogTable table;
    ReadResult read;
    if (!readLog(arguments.paths[0], arguments, table, read))
        return ExitFailure;
    table.addRowNumbers();
    ReadOptions options;
    options.ignoreBracket = arguments.has("--ignore-brackets");
    for (std::size_t i = 1; i + 1 < arguments.paths.size(); ++i) {
        const std::string &other = arguments.paths[i];
        bool wideSource = false;
        if (!isAdif(other, wideSource))
            return ExitFailure;
        RunningFlag progress;
        const ReadResult merged = AdiReader().merge(other, wideSource, table, options, progress);
        if (!merged.ok)
            return fail(other + ": " + merged.message);
        table.numberRows();
    }
    const std::string &target = arguments.paths.back();
    return writeLogTo(
        target, arguments, table, definitions, saveOptionsOver(arguments, arguments.paths[0], target));
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
    SaveDefinitions definitions;
    if (!loadSaveDefinitions(arguments, definitions))
        return ExitFailure;
    bool wideSource = false;
    if (!isAdif(arguments.paths[0], wideSource))
        return ExitFailure;
    ReadOptions options;
    options.keepRecord = RecordFilter(filters.settings).recordTest();
    LogTable table;
    ReadResult read;
    if (!readLog(arguments.paths[0], arguments, table, read, options))
        return ExitFailure;
    std::fprintf(stderr, "QSOs kept: %d of %d\n", read.recordsKept, read.records);
    return writeLogTo(arguments.paths[1], arguments, table, definitions,
        saveOptionsOver(arguments, arguments.paths[0], arguments.paths[1]));
}

namespace
{

std::string valueOf(const CliArguments &arguments, const std::string &option)
{
    const std::vector<std::string> values = arguments.valuesOf(option);
    return values.empty() ? std::string() : values.back();
}

ManualQso typedQso(const CliArguments &arguments)
{
    ManualQso qso;
    qso.call = valueOf(arguments, "--call");
    qso.date = valueOf(arguments, "--date");
    qso.timeOff = valueOf(arguments, "--time");
    qso.addTimeOn = arguments.has("--time-on");
    qso.band = valueOf(arguments, "--band");
    qso.mode = valueOf(arguments, "--mode");
    qso.rstSent = valueOf(arguments, "--rst-sent");
    qso.rstRcvd = valueOf(arguments, "--rst-rcvd");
    qso.name = valueOf(arguments, "--name");
    qso.qth = valueOf(arguments, "--qth");
    qso.gridsquare = valueOf(arguments, "--gridsquare");
    return qso;
}

const char *optionOf(ManualQsoField field)
{
    switch (field) {
    case ManualQsoField::Call:
        return "--call";
    case ManualQsoField::Date:
        return "--date";
    case ManualQsoField::TimeOff:
        return "--time";
    case ManualQsoField::Band:
        return "--band";
    case ManualQsoField::Mode:
        return "--mode";
    case ManualQsoField::RstSent:
        return "--rst-sent";
    case ManualQsoField::RstRcvd:
        return "--rst-rcvd";
    case ManualQsoField::None:
        break;
    }
    return "";
}

bool isEmptyFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0
        && !error;
}

} // namespace

int add(const CliArguments &arguments)
{
    if (arguments.paths.size() != 2)
        return fail("add takes a log and an output file");
    const ManualQsoRecord record = manualQsoRecord(typedQso(arguments));
    if (record.missing != ManualQsoField::None)
        return fail(std::string("the QSO needs ") + optionOf(record.missing));
    SaveDefinitions definitions;
    if (!loadSaveDefinitions(arguments, definitions))
        return ExitFailure;
    LogTable table;
    if (isEmptyFile(arguments.paths[0])) {
        table.setColumnCount(1);
        table.setRowCount(1);
        table.setFixedRowCount(1);
    } else {
        ReadResult read;
        if (!readLog(arguments.paths[0], arguments, table, read))
            return ExitFailure;
    }
    UndoJournal journal(table);
    appendAdiRecord(table, journal, record.text, arguments.has("--ignore-brackets"));
    return writeLogTo(arguments.paths[1], arguments, table, definitions,
        saveOptionsOver(arguments, arguments.paths[0], arguments.paths[1]));
}

} // namespace quillog::cli
